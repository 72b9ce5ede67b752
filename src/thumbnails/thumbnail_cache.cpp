#include "thumbnails/thumbnail_cache.h"

#include <algorithm>

namespace vis {

ThumbnailCache::ThumbnailCache(std::size_t capacity) : capacity_(std::max<std::size_t>(capacity, 1)) {}

const Picture* ThumbnailCache::find(const ThumbKey& key) {
    const auto it = by_path_.find(key.path);
    if (it == by_path_.end() || !(it->second->key == key)) return nullptr;
    entries_.splice(entries_.begin(), entries_, it->second);
    return &entries_.front().picture;
}

void ThumbnailCache::put(const ThumbKey& key, Picture picture) {
    if (const auto it = by_path_.find(key.path); it != by_path_.end()) {
        bytes_ -= bytes_of(it->second->picture);
        entries_.erase(it->second);
        by_path_.erase(it);
    }
    bytes_ += bytes_of(picture);
    entries_.push_front({key, std::move(picture)});
    by_path_[key.path] = entries_.begin();
    trim();
}

void ThumbnailCache::clear() {
    entries_.clear();
    by_path_.clear();
    bytes_ = 0;
}

void ThumbnailCache::set_capacity(std::size_t capacity) {
    capacity_ = std::max<std::size_t>(capacity, 1);
    trim();
}

void ThumbnailCache::trim() {
    while (entries_.size() > capacity_) {
        bytes_ -= bytes_of(entries_.back().picture);
        by_path_.erase(entries_.back().key.path);
        entries_.pop_back();
    }
}

}  // namespace vis
