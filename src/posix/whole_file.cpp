#include "services/whole_file.h"

#include <algorithm>
#include <fstream>

#include "services/paths.h"

namespace vis {

// An open file never stops a delete here.
bool read_whole_file_into(const std::string& path, std::uintmax_t max_bytes, std::string& bytes) {
    std::ifstream in(to_fs_path(path), std::ios::binary);
    if (!in) return false;
    in.seekg(0, std::ios::end);
    const auto end = in.tellg();
    if (end < 0 || static_cast<std::uintmax_t>(end) > max_bytes) return false;
    in.seekg(0, std::ios::beg);
    bytes.resize(static_cast<std::size_t>(end));
    return static_cast<bool>(in.read(bytes.data(), static_cast<std::streamsize>(bytes.size())));
}

std::optional<std::string> read_whole_file(const std::string& path, std::uintmax_t max_bytes) {
    std::string bytes;
    if (!read_whole_file_into(path, max_bytes, bytes)) return std::nullopt;
    return bytes;
}

std::optional<std::string> read_file_tail(const std::string& path, std::size_t n) {
    std::ifstream in(to_fs_path(path), std::ios::binary);
    if (!in) return std::nullopt;
    in.seekg(0, std::ios::end);
    const auto end = in.tellg();
    if (end < 0) return std::nullopt;
    const auto take = std::min<std::streamoff>(static_cast<std::streamoff>(n), end);
    in.seekg(end - take);
    std::string bytes(static_cast<std::size_t>(take), '\0');
    if (!in.read(bytes.data(), take)) return std::nullopt;
    return bytes;
}

}  // namespace vis
