#include "core/app/Crc32.h"

#include <array>

namespace razo {

std::uint32_t Crc32(std::string_view bytes, std::uint32_t crc) {
    static const auto table = [] {
        std::array<std::uint32_t, 256> entries{};
        for (std::uint32_t i = 0; i < 256; ++i) {
            std::uint32_t value = i;
            for (int bit = 0; bit < 8; ++bit)
                value = (value & 1) ? 0xEDB88320U ^ (value >> 1) : value >> 1;
            entries[i] = value;
        }
        return entries;
    }();
    crc = ~crc;
    for (const char c : bytes)
        crc = table[(crc ^ static_cast<unsigned char>(c)) & 0xFF] ^ (crc >> 8);
    return ~crc;
}

} // namespace razo
