#pragma once
// One pack of thumbnails held open: its file and an index of the whole records in it, so each
// thumbnail costs one read from an open file, not an open of its own. Only the index stays in
// memory, not the bytes. Safe from any thread.
#include <cstdint>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>

#include "services/shared_file.h"

namespace vis {

class ThumbnailPack {
public:
    // Opens the pack, making it empty where none is, and indexes its whole records with a single
    // read. A pack longer than `cap` bytes is not read and takes no more records, so a
    // pathological day cannot make an open read huge. Nothing when the file cannot be opened or
    // read.
    static std::unique_ptr<ThumbnailPack> open(const std::string& path, std::uintmax_t cap);

    // The bytes of the last record kept under that key hash; nothing when there is none or it
    // cannot be read. They are not yet checked against the key: the hash may collide. A miss
    // first looks for records appended since (by another running copy, or through a handle this
    // copy has closed since).
    std::optional<std::string> record(std::uint64_t key_hash);
    // Appends the record at the end in one write and indexes it. False when the pack would grow
    // past its cap, is a foreign file under a pack's name, or the write failed.
    bool add(std::uint64_t key_hash, std::string_view record);

private:
    struct Span {
        std::uintmax_t offset;
        std::size_t length;
    };
    ThumbnailPack(std::unique_ptr<SharedFile> file, std::uintmax_t cap);
    // Indexes the records past the part read so far, with one read; the file's length, or
    // nothing when the file cannot be read. Called with the lock held.
    std::optional<std::uintmax_t> catch_up();

    std::mutex mutex_;
    const std::unique_ptr<SharedFile> file_;
    const std::uintmax_t cap_;
    std::uintmax_t end_ = 0;  // read and indexed up to here
    bool foreign_ = false;
    std::unordered_map<std::uint64_t, Span> index_;
};

}  // namespace vis
