// Writes the bundled example piece to the file named on the command line.
#include <cstdio>

#include "midi/midi_file_io.h"
#include "tools/make_example/example_piece.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_example OUTPUT.mid\n");
        return 2;
    }
    if (!cantivo::midi::WriteMidiFile(argv[1], cantivo::example::ComposeExample())) {
        std::fprintf(stderr, "make_example: cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
