#include "thumbnails/thumbnail_pack.h"

#include <utility>

#include "thumbnails/thumbnail_file.h"

namespace vis {

ThumbnailPack::ThumbnailPack(std::unique_ptr<SharedFile> file, std::uintmax_t cap)
    : file_(std::move(file)), cap_(cap) {}

std::unique_ptr<ThumbnailPack> ThumbnailPack::open(const std::string& path, std::uintmax_t cap) {
    auto file = open_shared_file(path);
    if (!file) return nullptr;
    std::unique_ptr<ThumbnailPack> pack(new ThumbnailPack(std::move(file), cap));
    std::lock_guard lock(pack->mutex_);
    if (!pack->catch_up()) return nullptr;
    return pack;
}

std::optional<std::uintmax_t> ThumbnailPack::catch_up() {
    const auto size = file_->size();
    if (!size || *size <= end_ || *size > cap_) return size;
    std::string bytes;
    if (!file_->read_at(end_, static_cast<std::size_t>(*size - end_), bytes)) return std::nullopt;
    // A file of someone else's under a pack's name is left as it is.
    if (end_ == 0) foreign_ = !begins_like_a_pack(bytes);
    // A later record of the same key replaces the earlier one.
    for (const ThumbnailRecordSpan& r : whole_thumbnail_records(bytes))
        index_[r.key_hash] = {end_ + r.offset, r.length};
    end_ = *size;
    return size;
}

std::optional<std::string> ThumbnailPack::record(std::uint64_t key_hash) {
    std::lock_guard lock(mutex_);
    auto found = index_.find(key_hash);
    if (found == index_.end() && catch_up()) found = index_.find(key_hash);
    if (found == index_.end()) return std::nullopt;
    std::string bytes;
    if (!file_->read_at(found->second.offset, found->second.length, bytes)) return std::nullopt;
    return bytes;
}

bool ThumbnailPack::add(std::uint64_t key_hash, std::string_view record) {
    std::lock_guard lock(mutex_);
    const auto size = catch_up();
    if (!size || foreign_ || *size + record.size() > cap_) return false;
    // A part of a failed write is passed over by the walk of the next catch-up.
    const auto at = file_->append(record);
    if (!at) return false;
    index_[key_hash] = {*at, record.size()};
    // Past a record another copy appended at the same moment, what lies between is read later.
    if (*at == end_) end_ += record.size();
    return true;
}

}  // namespace vis
