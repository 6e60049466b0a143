#include "styles/state_file.h"

#include <vector>

#include "engine/module_folder.h"
#include "engine/persisted_settings.h"
#include "platform/files.h"

namespace cantivo {

void WriteStateFile(const CMFCMidiFilter& filter) {
    std::vector<std::uint8_t> bytes;
    bytes.reserve(kPersistedBytes);
    for (const std::span<const std::uint8_t> field : PersistedFields(filter))
        bytes.insert(bytes.end(), field.begin(), field.end());
    platform::WriteWholeFile(ModuleFolder() + kStateFileName, bytes);
}

}  // namespace cantivo
