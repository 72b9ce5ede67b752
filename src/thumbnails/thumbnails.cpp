#include "thumbnails/thumbnails.h"

#include <algorithm>
#include <utility>

namespace vis {

Thumbnails::Thumbnails(PostToWindowThread post, std::size_t capacity, ThumbnailDecoder::Decode decode, int workers)
    : cache_(capacity),
      decoder_(
          std::move(post),
          [this](const ThumbKey& key, const Picture& picture) {
              cache_.put(key, picture);
              if (on_ready) on_ready(key);
          },
          std::move(decode), workers) {}

void Thumbnails::set_box(int width, int height) {
    if (width == box_width_ && height == box_height_) return;
    box_width_ = width;
    box_height_ = height;
    cache_.clear();
    decoder_.set_box(width, height);
}

Thumbnails::State Thumbnails::state(const ThumbKey& key, const Picture** picture) {
    const Picture* kept = cache_.find(key);
    if (kept == nullptr) return State::waiting;
    if (kept->empty()) return State::unreadable;
    if (picture != nullptr) *picture = kept;
    return State::ready;
}

std::vector<ThumbKey> Thumbnails::want(const std::vector<ThumbKey>& keys) {
    // The kept ones count as seen now, the most wanted last, so the decodes that come for the
    // rest push out only thumbnails the view no longer wants, never a kept one it does.
    std::vector<ThumbKey> missing;
    missing.reserve(keys.size());
    for (auto key = keys.rbegin(); key != keys.rend(); ++key)
        if (cache_.find(*key) == nullptr) missing.push_back(*key);
    std::reverse(missing.begin(), missing.end());
    return decoder_.want(std::move(missing));
}

}  // namespace vis
