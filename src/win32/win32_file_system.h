#pragma once
// The disk through the wide-character file API: every path in its long form, so names of any
// script and paths beyond 260 characters reach the right file.
#include "services/file_system.h"

namespace vis::win32 {

class Win32FileSystem : public FileSystem {
public:
    bool write(const std::string& path, std::string_view bytes) override;
    NewFile create_new(const std::string& path) override;
    // Replaces the target in one step, written through to the disk before it returns.
    bool rename(const std::string& from, const std::string& to) override;
    // Keeps the source's last-modified time and its read-only attribute. A read-only target is
    // not replaced.
    bool copy(const std::string& from, const std::string& to) override;
    // A folder's names reach the disk through the file system's own journal.
    bool flush(const std::string& path) override;
    // A read-only file is refused, as the system refuses it.
    bool remove(const std::string& path) override;
    bool discard(const std::string& path) override;
    bool make_folder(const std::string& path) override;
    std::optional<std::uintmax_t> size(const std::string& path) override;
    PathKind kind(const std::string& path) override;
    bool same_file(const std::string& a, const std::string& b) override;
};

}  // namespace vis::win32
