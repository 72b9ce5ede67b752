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

// What lies at a path: `unknown` when the system cannot tell (a folder on the way that may not
// be read, a drive that does not answer).
enum class PathKind { missing, file, folder, unknown };

// The outcome of making a new file: `taken` when something was already at the path.
enum class NewFile { made, taken, failed };

class FileSystem {
public:
    virtual ~FileSystem() = default;
    // Creates or truncates the file and writes the bytes, closed; the file's last-modified time
    // is now. False on any failure.
    virtual bool write(const std::string& path, std::string_view bytes) = 0;
    // Makes an empty file where nothing is yet, in one step no other program can come between,
    // so a file that was already there is never touched.
    virtual NewFile create_new(const std::string& path) = 0;
    // Replaces `to` when it exists, in one step. The file keeps its times. False when the two
    // are on different drives, among others.
    virtual bool rename(const std::string& from, const std::string& to) = 0;
    // Copies byte for byte, replacing `to`, and gives `to` the last-modified time of `from`
    // (the lists order screenshots by it). False when fewer bytes reached `to` than `from` held
    // when it was opened (a file that shrank meanwhile). Never called with `to` naming `from`
    // itself.
    virtual bool copy(const std::string& from, const std::string& to) = 0;
    // Returns once the file's bytes, or a folder's entries (names made, renamed or removed in
    // it), are on the disk. A system whose folders reach the disk by themselves may do nothing
    // for a folder. False when the disk did not take them.
    virtual bool flush(const std::string& path) = 0;
    // True when no file (or empty folder) is left at the path afterwards. A read-only file is
    // not removed where the system protects it so.
    virtual bool remove(const std::string& path) = 0;
    // Removes a file the program made itself (a temporary file), whatever attributes a copy
    // gave it. True when nothing is left at the path.
    virtual bool discard(const std::string& path) = 0;
    // Makes a new folder; false when it cannot be made or something is already there.
    virtual bool make_folder(const std::string& path) = 0;
    // The length of a file; nothing when there is no readable file at the path.
    virtual std::optional<std::uintmax_t> size(const std::string& path) = 0;
    virtual PathKind kind(const std::string& path) = 0;
    // Both paths name the same existing file.
    virtual bool same_file(const std::string& a, const std::string& b) = 0;
};

// The disk through the POSIX calls.
class DiskFileSystem : public FileSystem {
public:
    bool write(const std::string& path, std::string_view bytes) override;
    NewFile create_new(const std::string& path) override;
    bool rename(const std::string& from, const std::string& to) override;
    bool copy(const std::string& from, const std::string& to) override;
    bool flush(const std::string& path) override;
    bool remove(const std::string& path) override;
    bool discard(const std::string& path) override;
    bool make_folder(const std::string& path) override;
    std::optional<std::uintmax_t> size(const std::string& path) override;
    PathKind kind(const std::string& path) override;
    bool same_file(const std::string& a, const std::string& b) override;
};

}  // namespace vis
