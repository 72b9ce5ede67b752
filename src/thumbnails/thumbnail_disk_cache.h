#pragma once
// Thumbnails kept on disk between runs, in the user's cache folder, so a folder seen before shows
// its thumbnails without decoding a single screenshot. The thumbnails of one screenshot folder,
// box and save day lie together in one pack file, kept open while it is in use: opening a file
// costs far more than reading a few kilobytes from an open one on some systems, and a screen of
// thumbnails spans a day or a few. Read and written only on the decoder's worker threads. Every
// failure (a missing or read-only folder, a full disk, a damaged pack) only means the screenshot
// is decoded again: the thumbnail shows all the same.
//
// A screenshot deleted or saved again leaves its thumbnail behind until its pack is pruned: its
// key holds the file's length and save time, so no other file is ever shown it.
#include <atomic>
#include <chrono>
#include <cstdint>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

#include "services/file_system.h"
#include "thumbnails/thumbnail_decoder.h"
#include "thumbnails/thumbnail_pack.h"

namespace vis {

class ThumbnailDiskCache {
public:
    static constexpr std::uintmax_t kDefaultLimit = 256ull << 20;
    static constexpr std::uintmax_t kDefaultPackCap = 32ull << 20;
    // Packs held open at once; the least recently used is closed first.
    static constexpr std::size_t kOpenPacks = 8;

    // `folder` empty: nothing is kept. Past `limit_bytes` the least recently used packs go. A
    // pack past `pack_cap` bytes takes no more thumbnails.
    ThumbnailDiskCache(FileSystem& files, std::string folder, std::uintmax_t limit_bytes = kDefaultLimit,
                       std::uintmax_t pack_cap = kDefaultPackCap);

    // The thumbnail kept for exactly that screenshot and box; nothing on a miss. A hit counts as
    // a use of its pack, so the pruning keeps it. Safe from any thread.
    std::optional<Picture> find(const ThumbKey& key, int box_width, int box_height);
    // Keeps the thumbnail, appended whole to its pack or not at all; now and then prunes the
    // folder, on the calling thread. Safe from any thread.
    void store(const ThumbKey& key, int box_width, int box_height, const Picture& picture);
    // Removes the least recently used packs (by their files' times) until they fill at most seven
    // eighths of the limit, and what the one-file-per-thumbnail layout of earlier versions left.
    void prune();

    // Where the pack that keeps that thumbnail lies.
    std::string pack_of(const ThumbKey& key, int box_width, int box_height) const;
    const std::string& folder() const { return folder_; }

private:
    struct OpenPack {
        std::string path;
        std::shared_ptr<ThumbnailPack> pack;
        std::uint64_t last_use;
        // When its file's time was last looked at since it was opened.
        std::optional<std::chrono::steady_clock::time_point> renewed;
    };
    // The open pack at that path, or the end; called with the lock held.
    std::vector<OpenPack>::iterator opened(const std::string& path);
    // The pack, opened (and the folder made) when it is not open yet; nothing when it cannot be.
    std::shared_ptr<ThumbnailPack> pack(const std::string& path);
    // Counts a hit in the open pack as a use of its file.
    void renew(const std::string& path);
    void close(const std::string& path);

    FileSystem& files_;
    const std::string folder_;
    const std::uintmax_t limit_;
    const std::uintmax_t pack_cap_;
    // Bytes written since the folder was last pruned; it starts full so that the first write of
    // a run prunes what earlier runs left.
    std::atomic<std::uintmax_t> written_;
    std::atomic<bool> pruning_{false};
    std::mutex open_mutex_;
    std::vector<OpenPack> open_;
    std::uint64_t uses_ = 0;
};

// A decode for the thumbnail decoder: the disk cache first, then `decode`, whose thumbnail is
// kept on disk for the next time. A screenshot that cannot be read is not kept, and is tried
// again next time.
ThumbnailDecoder::Decode through_disk_cache(std::shared_ptr<ThumbnailDiskCache> disk, ThumbnailDecoder::Decode decode);

}  // namespace vis
