#include "thumbnails/thumbnail_disk_cache.h"

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <utility>
#include <vector>

#include "services/file_ops.h"
#include "services/paths.h"
#include "services/whole_file.h"
#include "thumbnails/thumbnail_file.h"

namespace vis {

namespace {

namespace fs = std::filesystem;

// Far more than any thumbnail file: a bigger one is not ours.
constexpr std::uintmax_t kMaxFileBytes = 8u << 20;
// A hit renews its file's time only when it is older than this, so scrolling to and fro does not
// write to the disk at every thumbnail, and the pruning still sees which were used lately.
constexpr auto kUseResolution = std::chrono::hours(1);
// A temporary file this old belongs to no write still under way.
constexpr auto kStaleTemporary = std::chrono::hours(1);

bool older_than(const fs::file_time_type& time, fs::file_time_type::duration age) {
    return fs::file_time_type::clock::now() - time > age;
}

}  // namespace

ThumbnailDiskCache::ThumbnailDiskCache(FileSystem& files, std::string folder, std::uintmax_t limit_bytes)
    : files_(files), folder_(std::move(folder)), limit_(limit_bytes), written_(limit_bytes) {}

std::string ThumbnailDiskCache::file_of(const ThumbKey& key, int box_width, int box_height) const {
    const std::string name = thumbnail_file_name(key, box_width, box_height);
    return join_path(join_path(folder_, name.substr(0, 2)), name);
}

std::optional<Picture> ThumbnailDiskCache::find(const ThumbKey& key, int box_width, int box_height) {
    if (folder_.empty()) return std::nullopt;
    const std::string path = file_of(key, box_width, box_height);
    const auto bytes = read_whole_file(path, kMaxFileBytes);
    if (!bytes) return std::nullopt;
    auto picture = read_thumbnail_file(*bytes, key, box_width, box_height);
    if (!picture) return std::nullopt;
    std::error_code ec;
    const fs::path file = to_fs_path(path);
    const auto time = fs::last_write_time(file, ec);
    if (!ec && older_than(time, kUseResolution)) fs::last_write_time(file, fs::file_time_type::clock::now(), ec);
    return picture;
}

void ThumbnailDiskCache::store(const ThumbKey& key, int box_width, int box_height, const Picture& picture) {
    if (folder_.empty()) return;
    const std::string bytes = thumbnail_file_bytes(key, box_width, box_height, picture);
    if (bytes.empty()) return;
    const std::string path = file_of(key, box_width, box_height);
    if (!make_folders(files_, parent_folder(path))) return;
    // Written beside its place and renamed into it, so a crash or another running copy never
    // leaves a half file under the name a reader opens.
    const auto temporary = make_temp_file(files_, path, ".part");
    if (!temporary) return;
    if (!files_.write(*temporary, bytes) || !files_.rename(*temporary, path)) {
        files_.discard(*temporary);
        return;
    }
    if ((written_ += bytes.size()) < limit_ / 16 || pruning_.exchange(true)) return;
    written_ = 0;
    prune();
    pruning_ = false;
}

void ThumbnailDiskCache::prune() {
    if (folder_.empty()) return;
    struct Kept {
        fs::file_time_type time;
        std::uintmax_t size;
        fs::path path;
    };
    std::vector<Kept> kept;
    std::uintmax_t total = 0;
    std::error_code walk;
    for (fs::recursive_directory_iterator it(to_fs_path(folder_), fs::directory_options::skip_permission_denied, walk);
         !walk && it != fs::recursive_directory_iterator(); it.increment(walk)) {
        std::error_code kind, when, length;
        if (!it->is_regular_file(kind)) continue;
        const fs::file_time_type time = it->last_write_time(when);
        const std::uintmax_t size = it->file_size(length);
        if (when || length) continue;  // gone meanwhile
        const fs::path extension = it->path().extension();
        if (extension == ".part" && older_than(time, kStaleTemporary)) {
            files_.remove(from_fs_path(it->path()));
        } else if (extension == ".thumb") {
            kept.push_back({time, size, it->path()});
            total += size;
        }
    }
    if (total <= limit_) return;
    std::sort(kept.begin(), kept.end(), [](const Kept& a, const Kept& b) { return a.time < b.time; });
    for (const Kept& file : kept) {
        if (total <= limit_ / 8 * 7) break;
        if (files_.remove(from_fs_path(file.path))) total -= file.size;
    }
}

ThumbnailDecoder::Decode through_disk_cache(std::shared_ptr<ThumbnailDiskCache> disk, ThumbnailDecoder::Decode decode) {
    return [disk = std::move(disk), decode = std::move(decode)](const ThumbKey& key, int box_width, int box_height) {
        if (auto kept = disk->find(key, box_width, box_height)) return *std::move(kept);
        Picture made = decode(key, box_width, box_height);
        if (!made.empty()) disk->store(key, box_width, box_height, made);
        return made;
    };
}

}  // namespace vis
