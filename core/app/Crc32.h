#pragma once
#include <cstdint>
#include <string_view>

namespace razo {

// The CRC-32 of `bytes` (the polynomial of zip and PNG), continuing from `crc`.
std::uint32_t Crc32(std::string_view bytes, std::uint32_t crc = 0);

} // namespace razo
