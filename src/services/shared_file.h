#pragma once
// A file kept open to be read at offsets and appended to, while other programs (and another
// running copy) may still rename or delete it: a cache of the program's own must never stand in
// the way of the user's files. Opening a file costs far more than reading from an open one on
// some systems, so a caller that reads many small pieces of one file keeps it open.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace vis {

// Not safe from two threads at once: its owner holds a lock around each call.
class SharedFile {
public:
    virtual ~SharedFile() = default;
    // The file's length now, others' appends included; nothing when the system cannot tell.
    virtual std::optional<std::uintmax_t> size() = 0;
    // Exactly `length` bytes from `offset` into `bytes`; false when fewer are there.
    virtual bool read_at(std::uintmax_t offset, std::size_t length, std::string& bytes) = 0;
    // Writes the bytes at the file's end in one write; where they begin, or nothing when not all
    // of them were written (a full disk may leave a part behind).
    virtual std::optional<std::uintmax_t> append(std::string_view bytes) = 0;
};

// Opens the file for reading and appending, making it empty where none is; nothing when it
// cannot be opened or made.
std::unique_ptr<SharedFile> open_shared_file(const std::string& path);

}  // namespace vis
