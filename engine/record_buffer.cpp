#include "engine/record_buffer.h"

#include <cstring>

namespace cantivo {

void InsertAtFront(EventRecord* records, std::int32_t& bytesInUse, std::int32_t count) {
    std::memmove(records + count, records, static_cast<std::size_t>(bytesInUse));
    bytesInUse += count * static_cast<std::int32_t>(sizeof(EventRecord));
}

}  // namespace cantivo
