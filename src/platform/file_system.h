#pragma once
// The raw file operations every write of the program goes through. The real one works on the
// disk; tests put one in its place that fails on purpose (a full disk, a locked file).
//
// What each operation promises about times and the disk, so every system's implementation
// behaves alike: only `flush` waits for the disk; every other operation may leave its work in
// the system's cache. Only `write` and `copy` give a file its last-modified time.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace vis {

class FileSystem {
public:
    virtual ~FileSystem() = default;
    // Creates or truncates the file and writes the bytes, closed; the file's last-modified time
    // is now. False on any failure.
    virtual bool write(const std::string& path, std::string_view bytes) = 0;
    // Replaces `to` when it exists, in one step. The file keeps its times. False when the two
    // are on different drives, among others.
    virtual bool rename(const std::string& from, const std::string& to) = 0;
    // Copies byte for byte, replacing `to`, and gives `to` the last-modified time of `from`
    // (the lists order screenshots by it). Never called with `to` naming `from` itself.
    virtual bool copy(const std::string& from, const std::string& to) = 0;
    // Returns once the file's bytes, or a folder's entries (names made, renamed or removed in
    // it), are on the disk. A system whose folders reach the disk by themselves may do nothing
    // for a folder. False when the disk did not take them.
    virtual bool flush(const std::string& path) = 0;
    // True when no file (or empty folder) is left at the path afterwards.
    virtual bool remove(const std::string& path) = 0;
    // Makes a new folder; false when it cannot be made or something is already there.
    virtual bool make_folder(const std::string& path) = 0;
    // The length of a file; nothing when there is no readable file at the path.
    virtual std::optional<std::uintmax_t> size(const std::string& path) = 0;
    // Both paths name the same existing file.
    virtual bool same_file(const std::string& a, const std::string& b) = 0;
};

// The disk through the POSIX calls.
class DiskFileSystem : public FileSystem {
public:
    bool write(const std::string& path, std::string_view bytes) override;
    bool rename(const std::string& from, const std::string& to) override;
    bool copy(const std::string& from, const std::string& to) override;
    bool flush(const std::string& path) override;
    bool remove(const std::string& path) override;
    bool make_folder(const std::string& path) override;
    std::optional<std::uintmax_t> size(const std::string& path) override;
    bool same_file(const std::string& a, const std::string& b) override;
};

}  // namespace vis
