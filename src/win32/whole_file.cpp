#include "services/whole_file.h"

#include <windows.h>

#include <algorithm>

#include "win32/handle.h"
#include "win32/wide.h"

namespace vis {

bool read_whole_file_into(const std::string& path, std::uintmax_t max_bytes, std::string& bytes) {
    const std::wstring name = win32::long_path(path);
    if (name.empty()) return false;
    // Shared for deleting too, so a read under way never makes a delete fail.
    const win32::Handle file(CreateFileW(name.c_str(), GENERIC_READ,
                                         FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                                         FILE_FLAG_SEQUENTIAL_SCAN, nullptr));
    LARGE_INTEGER size{};
    if (!file.valid() || !GetFileSizeEx(file.get(), &size) || size.QuadPart < 0 ||
        static_cast<std::uintmax_t>(size.QuadPart) > max_bytes)
        return false;
    bytes.resize(static_cast<std::size_t>(size.QuadPart));
    std::size_t done = 0;
    while (done < bytes.size()) {
        const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size() - done, 1u << 30));
        DWORD read = 0;
        if (!ReadFile(file.get(), bytes.data() + done, chunk, &read, nullptr) || read == 0) return false;
        done += read;
    }
    return true;
}

std::optional<std::string> read_whole_file(const std::string& path, std::uintmax_t max_bytes) {
    std::string bytes;
    if (!read_whole_file_into(path, max_bytes, bytes)) return std::nullopt;
    return bytes;
}

std::optional<std::string> read_file_tail(const std::string& path, std::size_t n) {
    const std::wstring name = win32::long_path(path);
    if (name.empty()) return std::nullopt;
    win32::Handle file(CreateFileW(name.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                   nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    LARGE_INTEGER size{};
    if (!file.valid() || !GetFileSizeEx(file.get(), &size) || size.QuadPart < 0) return std::nullopt;
    const auto take = std::min<LONGLONG>(static_cast<LONGLONG>(n), size.QuadPart);
    LARGE_INTEGER from{};
    from.QuadPart = size.QuadPart - take;
    std::string bytes(static_cast<std::size_t>(take), '\0');
    DWORD read = 0;
    if (!SetFilePointerEx(file.get(), from, nullptr, FILE_BEGIN) ||
        !ReadFile(file.get(), bytes.data(), static_cast<DWORD>(take), &read, nullptr))
        return std::nullopt;
    bytes.resize(read);
    return bytes;
}

}  // namespace vis
