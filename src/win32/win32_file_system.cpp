#include "win32/win32_file_system.h"

#include <windows.h>

#include <algorithm>
#include <cstdint>
#include <vector>

#include "win32/handle.h"
#include "win32/wide.h"

namespace vis::win32 {

namespace {

// The volume and file index that name a file, whatever path reached it.
std::optional<BY_HANDLE_FILE_INFORMATION> identity(const std::wstring& path) {
    // Backup semantics open folders too; no access asked, so a file locked by another program answers.
    Handle file(CreateFileW(path.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                            OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr));
    BY_HANDLE_FILE_INFORMATION info{};
    if (!file.valid() || !GetFileInformationByHandle(file.get(), &info)) return std::nullopt;
    return info;
}

// Windows refuses to replace a read-only file; said here too, so no file system lets it happen.
bool read_only(const std::wstring& path) {
    const DWORD attributes = GetFileAttributesW(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES || !(attributes & FILE_ATTRIBUTE_READONLY)) return false;
    SetLastError(ERROR_ACCESS_DENIED);
    return true;
}

// Exactly `length` bytes from `in` to `out`: a source that ends sooner has shrunk since it was
// opened, and its copy is refused.
bool copy_bytes(HANDLE in, HANDLE out, std::uint64_t length) {
    std::vector<char> buffer(1 << 20);
    while (length > 0) {
        const DWORD want = static_cast<DWORD>(std::min<std::uint64_t>(length, buffer.size()));
        DWORD read = 0, written = 0;
        if (!ReadFile(in, buffer.data(), want, &read, nullptr) || read == 0) return false;
        if (!WriteFile(out, buffer.data(), read, &written, nullptr) || written != read) return false;
        length -= read;
    }
    return true;
}

bool gone(const std::wstring& path) {
    if (GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES) return false;
    const DWORD error = GetLastError();
    return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND;
}

}  // namespace

bool Win32FileSystem::write(const std::string& path, std::string_view bytes) {
    const std::wstring target = long_path(path);
    if (target.empty()) return false;
    Handle file(CreateFileW(target.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.valid()) return false;
    while (!bytes.empty()) {
        const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size(), 1u << 30));
        DWORD written = 0;
        if (!WriteFile(file.get(), bytes.data(), chunk, &written, nullptr) || written == 0) return false;
        bytes.remove_prefix(written);
    }
    return file.close();
}

NewFile Win32FileSystem::create_new(const std::string& path) {
    const std::wstring target = long_path(path);
    if (target.empty()) return NewFile::failed;
    Handle file(CreateFileW(target.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (file.valid()) return file.close() ? NewFile::made : NewFile::failed;
    // A folder of that name answers "access denied" rather than "exists".
    return GetFileAttributesW(target.c_str()) != INVALID_FILE_ATTRIBUTES ? NewFile::taken : NewFile::failed;
}

bool Win32FileSystem::rename(const std::string& from, const std::string& to) {
    const std::wstring source = long_path(from), target = long_path(to);
    if (source.empty() || target.empty() || read_only(target)) return false;
    // Windows does not replace a file that is open, even by a reader that shares deletion (a
    // picture being decoded ahead); such a reader lets go a moment later.
    for (int waited_ms = 0;; waited_ms += 10) {
        if (MoveFileExW(source.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
            return true;
        const DWORD error = GetLastError();
        if ((error != ERROR_ACCESS_DENIED && error != ERROR_SHARING_VIOLATION) || waited_ms >= 1000) return false;
        Sleep(10);
    }
}

bool Win32FileSystem::copy(const std::string& from, const std::string& to) {
    const std::wstring source = long_path(from), target = long_path(to);
    if (source.empty() || target.empty() || read_only(target)) return false;
    // Shared for deleting too, as every read of the program is.
    const Handle in(CreateFileW(source.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                nullptr, OPEN_EXISTING, FILE_FLAG_SEQUENTIAL_SCAN, nullptr));
    BY_HANDLE_FILE_INFORMATION info{};
    if (!in.valid() || !GetFileInformationByHandle(in.get(), &info)) return false;
    // Written without the source's read-only attribute, which would refuse the copy's own
    // writes and its flush; the attribute is given back once the copy is whole.
    Handle out(CreateFileW(target.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!out.valid() ||
        !copy_bytes(in.get(), out.get(), (static_cast<std::uint64_t>(info.nFileSizeHigh) << 32) | info.nFileSizeLow))
        return false;
    if (!SetFileTime(out.get(), nullptr, nullptr, &info.ftLastWriteTime) || !out.close()) return false;
    return !(info.dwFileAttributes & FILE_ATTRIBUTE_READONLY) ||
           SetFileAttributesW(target.c_str(), FILE_ATTRIBUTE_READONLY);
}

bool Win32FileSystem::flush(const std::string& path) {
    const std::wstring target = long_path(path);
    if (target.empty()) return false;
    const DWORD attributes = GetFileAttributesW(target.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) return false;
    if (attributes & FILE_ATTRIBUTE_DIRECTORY) return true;
    // A flush needs write access, which a read-only copy refuses: the attribute is cleared for
    // the flush and given back after it, whatever the flush answered.
    const bool kept_read_only = attributes & FILE_ATTRIBUTE_READONLY;
    if (kept_read_only && !SetFileAttributesW(target.c_str(), attributes & ~FILE_ATTRIBUTE_READONLY)) return false;
    Handle file(CreateFileW(target.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                            nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    const bool flushed = file.valid() && FlushFileBuffers(file.get()) && file.close();
    file.close();
    return (!kept_read_only || SetFileAttributesW(target.c_str(), attributes)) && flushed;
}

bool Win32FileSystem::remove(const std::string& path) {
    const std::wstring target = long_path(path);
    if (target.empty()) return false;
    const DWORD attributes = GetFileAttributesW(target.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) return gone(target);
    const bool removed =
        (attributes & FILE_ATTRIBUTE_DIRECTORY) ? RemoveDirectoryW(target.c_str()) : DeleteFileW(target.c_str());
    // A reader that shares deletion (a picture being decoded ahead) keeps the name until it
    // closes the file, a moment later: the delete is done once it has.
    for (int waited_ms = 0; removed && waited_ms < 1000 && !gone(target); waited_ms += 10) Sleep(10);
    return gone(target);
}

bool Win32FileSystem::discard(const std::string& path) {
    const std::wstring target = long_path(path);
    if (target.empty()) return false;
    const DWORD attributes = GetFileAttributesW(target.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY))
        SetFileAttributesW(target.c_str(), attributes & ~FILE_ATTRIBUTE_READONLY);
    return remove(path);
}

bool Win32FileSystem::make_folder(const std::string& path) {
    const std::wstring target = long_path(path);
    return !target.empty() && CreateDirectoryW(target.c_str(), nullptr);
}

std::optional<std::uintmax_t> Win32FileSystem::size(const std::string& path) {
    const std::wstring target = long_path(path);
    WIN32_FILE_ATTRIBUTE_DATA data{};
    if (target.empty() || !GetFileAttributesExW(target.c_str(), GetFileExInfoStandard, &data) ||
        (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
        return std::nullopt;
    return (static_cast<std::uintmax_t>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
}

PathKind Win32FileSystem::kind(const std::string& path) {
    const std::wstring target = long_path(path);
    if (target.empty()) return PathKind::unknown;
    const DWORD attributes = GetFileAttributesW(target.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) return gone(target) ? PathKind::missing : PathKind::unknown;
    return (attributes & FILE_ATTRIBUTE_DIRECTORY) ? PathKind::folder : PathKind::file;
}

bool Win32FileSystem::same_file(const std::string& a, const std::string& b) {
    const std::wstring first = long_path(a), second = long_path(b);
    if (first.empty() || second.empty()) return false;
    const auto x = identity(first), y = identity(second);
    return x && y && x->dwVolumeSerialNumber == y->dwVolumeSerialNumber && x->nFileIndexHigh == y->nFileIndexHigh &&
           x->nFileIndexLow == y->nFileIndexLow;
}

}  // namespace vis::win32
