#pragma once
// Going through a part of an open file a piece at a time: to copy it, to take its checksum or
// to hand it on, never holding more than a piece of it.
#include <cstddef>
#include <cstdint>
#include <functional>
#include <string_view>
#include <sys/types.h>

namespace razo {

// The write a copy makes its pieces with (::write, or a failing one in tests).
using WriteCall = std::function<ssize_t(int fd, const void* data, std::size_t size)>;

// Hands `length` bytes from `offset` of `fd` to `piece` in order; `piece` returns 0 to go on or an
// errno to stop with. 0, or the errno (EIO when the file ends early).
int ReadFileBytes(int fd, off_t offset, off_t length, const std::function<int(std::string_view)>& piece);

// Copies `length` bytes from `offset` of `from` to the current position of `to`; their CRC-32 goes
// to `crc` when given. 0 or an errno.
int CopyFileBytes(int from, off_t offset, off_t length, int to, const WriteCall& write,
                  std::uint32_t* crc = nullptr);

// The CRC-32 of `length` bytes from `offset`. `progress`, told the bytes done after each piece,
// may stop the work by returning false (ECANCELED). 0 or an errno.
int ChecksumFileBytes(int fd, off_t offset, off_t length, std::uint32_t& crc,
                      const std::function<bool(off_t done)>& progress = {});

} // namespace razo
