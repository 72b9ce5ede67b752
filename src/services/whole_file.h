#pragma once
// Reading a whole file while letting other programs (and the program itself) rename or delete it
// meanwhile: a picture decoded ahead must never stand in the way of deleting it.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

namespace vis {

// The file's bytes; nothing when it cannot be read or is longer than `max_bytes`.
std::optional<std::string> read_whole_file(const std::string& path, std::uintmax_t max_bytes);
// The same into `bytes`, whose storage is reused when it is large enough; false when the file
// cannot be read or is too long.
bool read_whole_file_into(const std::string& path, std::uintmax_t max_bytes, std::string& bytes);

// The file's last `n` bytes (all of it when shorter); nothing when it cannot be opened or read.
std::optional<std::string> read_file_tail(const std::string& path, std::size_t n);

}  // namespace vis
