#pragma once
// Thumbnails kept on disk between runs, in the user's cache folder, so a folder seen before shows
// its thumbnails without decoding a single screenshot. One small file per thumbnail, named by the
// hash of its key and box and fanned out in 256 subfolders; read and written only on the
// decoder's worker threads. Every failure (a missing or read-only folder, a full disk, a damaged
// file) only means the screenshot is decoded again: the thumbnail shows all the same.
//
// A screenshot deleted or saved again leaves its thumbnail behind until it is pruned: its key
// holds the file's length and save time, so no other file is ever shown it.
#include <atomic>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "services/file_system.h"
#include "thumbnails/thumbnail_decoder.h"

namespace vis {

class ThumbnailDiskCache {
public:
    static constexpr std::uintmax_t kDefaultLimit = 256ull << 20;

    // `folder` empty: nothing is kept. Past `limit_bytes` the least recently used files go.
    ThumbnailDiskCache(FileSystem& files, std::string folder, std::uintmax_t limit_bytes = kDefaultLimit);

    // The thumbnail kept for exactly that screenshot and box; nothing on a miss. A hit counts as
    // a use, so the pruning keeps it. Safe from any thread.
    std::optional<Picture> find(const ThumbKey& key, int box_width, int box_height);
    // Keeps the thumbnail, written whole under its name or not at all; now and then prunes the
    // folder, on the calling thread. Safe from any thread.
    void store(const ThumbKey& key, int box_width, int box_height, const Picture& picture);
    // Removes the least recently used thumbnails (by their files' times) until they fill at most
    // seven eighths of the limit, and temporary files a broken-off write left behind.
    void prune();

    // Where that thumbnail's file lies.
    std::string file_of(const ThumbKey& key, int box_width, int box_height) const;
    const std::string& folder() const { return folder_; }

private:
    FileSystem& files_;
    const std::string folder_;
    const std::uintmax_t limit_;
    // Bytes written since the folder was last pruned; it starts full so that the first write of
    // a run prunes what earlier runs left.
    std::atomic<std::uintmax_t> written_;
    std::atomic<bool> pruning_{false};
};

// A decode for the thumbnail decoder: the disk cache first, then `decode`, whose thumbnail is
// kept on disk for the next time. A screenshot that cannot be read is not kept, and is tried
// again next time.
ThumbnailDecoder::Decode through_disk_cache(std::shared_ptr<ThumbnailDiskCache> disk, ThumbnailDecoder::Decode decode);

}  // namespace vis
