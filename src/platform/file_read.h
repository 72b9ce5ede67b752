#pragma once
// Reading a whole file: each system opens its names its own way (Windows through the wide API,
// so names of any script reach the file).
#include <cstdint>
#include <limits>
#include <optional>
#include <string>

namespace vis {

// The file's bytes; nothing when it cannot be opened or read, or is longer than `limit`.
std::optional<std::string> read_file_bytes(const std::string& path,
                                           std::uintmax_t limit = std::numeric_limits<std::uintmax_t>::max());

// The file's last `n` bytes (all of it when shorter); nothing when it cannot be opened or read.
std::optional<std::string> read_file_tail(const std::string& path, std::size_t n);

}  // namespace vis
