#include "thumbnails/thumbnail_disk_cache.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <utility>

#include "services/file_ops.h"
#include "services/paths.h"
#include "thumbnails/thumbnail_file.h"

namespace vis {

namespace {

namespace fs = std::filesystem;

// A hit renews its pack's time only when it is older than this, so scrolling to and fro does not
// write to the disk at every thumbnail, and the pruning still sees which were used lately.
constexpr auto kUseResolution = std::chrono::hours(1);

bool older_than(const fs::file_time_type& time, fs::file_time_type::duration age) {
    return fs::file_time_type::clock::now() - time > age;
}

// The one-file-per-thumbnail layout of earlier versions: ".thumb" files and the ".part" files of
// their broken-off writes, in subfolders named by two hex digits.
bool old_layout_file(const fs::path& path) {
    return path.extension() == ".thumb" || path.extension() == ".part";
}

bool old_layout_folder(const fs::path& path) {
    const std::string name = from_fs_path(path.filename());
    return name.size() == 2 && std::all_of(name.begin(), name.end(), [](char c) { return std::isxdigit(c & 0xFF); });
}

}  // namespace

ThumbnailDiskCache::ThumbnailDiskCache(FileSystem& files, std::string folder, std::uintmax_t limit_bytes,
                                       std::uintmax_t pack_cap)
    : files_(files), folder_(std::move(folder)), limit_(limit_bytes), pack_cap_(pack_cap), written_(limit_bytes) {}

std::string ThumbnailDiskCache::pack_of(const ThumbKey& key, int box_width, int box_height) const {
    return join_path(folder_, thumbnail_pack_name(key, box_width, box_height));
}

std::vector<ThumbnailDiskCache::OpenPack>::iterator ThumbnailDiskCache::opened(const std::string& path) {
    return std::find_if(open_.begin(), open_.end(), [&](const OpenPack& p) { return p.path == path; });
}

std::shared_ptr<ThumbnailPack> ThumbnailDiskCache::pack(const std::string& path) {
    std::lock_guard lock(open_mutex_);
    const auto open = opened(path);
    if (open != open_.end()) {
        open->last_use = ++uses_;
        return open->pack;
    }
    // Opened under the lock: the decoders of one screen all want the same pack at first, and one
    // read of it serves them all.
    std::shared_ptr<ThumbnailPack> made = ThumbnailPack::open(path, pack_cap_);
    if (!made && make_folders(files_, folder_)) made = ThumbnailPack::open(path, pack_cap_);
    if (!made) return nullptr;
    if (open_.size() >= kOpenPacks)
        open_.erase(std::min_element(open_.begin(), open_.end(),
                                     [](const OpenPack& a, const OpenPack& b) { return a.last_use < b.last_use; }));
    open_.push_back({path, made, ++uses_, std::nullopt});
    return made;
}

void ThumbnailDiskCache::renew(const std::string& path) {
    std::lock_guard lock(open_mutex_);
    const auto open = opened(path);
    const auto now = std::chrono::steady_clock::now();
    if (open == open_.end() || (open->renewed && now - *open->renewed < kUseResolution)) return;
    open->renewed = now;
    std::error_code ec;
    const fs::path file = to_fs_path(path);
    const auto time = fs::last_write_time(file, ec);
    if (!ec && older_than(time, kUseResolution)) fs::last_write_time(file, fs::file_time_type::clock::now(), ec);
}

void ThumbnailDiskCache::close(const std::string& path) {
    std::lock_guard lock(open_mutex_);
    if (const auto open = opened(path); open != open_.end()) open_.erase(open);
}

std::optional<Picture> ThumbnailDiskCache::find(const ThumbKey& key, int box_width, int box_height) {
    if (folder_.empty()) return std::nullopt;
    const std::string path = pack_of(key, box_width, box_height);
    const auto pack = this->pack(path);
    if (!pack) return std::nullopt;
    const auto record = pack->record(thumbnail_key_hash(key, box_width, box_height));
    if (!record) return std::nullopt;
    auto picture = read_thumbnail_file(*record, key, box_width, box_height);
    if (picture) renew(path);
    return picture;
}

void ThumbnailDiskCache::store(const ThumbKey& key, int box_width, int box_height, const Picture& picture) {
    if (folder_.empty()) return;
    const std::string bytes = thumbnail_file_bytes(key, box_width, box_height, picture);
    if (bytes.empty()) return;
    const auto pack = this->pack(pack_of(key, box_width, box_height));
    if (!pack || !pack->add(thumbnail_key_hash(key, box_width, box_height), bytes)) return;
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
    std::vector<Kept> packs;
    std::vector<fs::path> old_folders;
    std::uintmax_t total = 0;
    std::error_code walk;
    for (fs::recursive_directory_iterator it(to_fs_path(folder_), fs::directory_options::skip_permission_denied, walk);
         !walk && it != fs::recursive_directory_iterator(); it.increment(walk)) {
        std::error_code kind, when, length;
        if (it->is_directory(kind)) {
            if (it.depth() == 0 && old_layout_folder(it->path())) {
                old_folders.push_back(it->path());
            } else {
                it.disable_recursion_pending();  // not ours
            }
            continue;
        }
        if (!it->is_regular_file(kind)) continue;
        if (old_layout_file(it->path())) {
            files_.remove(from_fs_path(it->path()));
        } else if (it.depth() == 0 && it->path().extension() == ".pack") {
            const fs::file_time_type time = it->last_write_time(when);
            const std::uintmax_t size = it->file_size(length);
            if (when || length) continue;  // gone meanwhile
            packs.push_back({time, size, it->path()});
            total += size;
        }
    }
    // Removed only once empty: a folder holding anything else is left as it is.
    for (const fs::path& folder : old_folders) {
        std::error_code ec;
        if (fs::is_empty(folder, ec) && !ec) files_.remove(from_fs_path(folder));
    }
    if (total <= limit_) return;
    std::sort(packs.begin(), packs.end(), [](const Kept& a, const Kept& b) { return a.time < b.time; });
    for (const Kept& pack : packs) {
        if (total <= limit_ / 8 * 7) break;
        const std::string path = join_path(folder_, from_fs_path(pack.path.filename()));
        close(path);
        if (files_.remove(path)) total -= pack.size;
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
