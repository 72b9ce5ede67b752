#pragma once
// The thumbnails of a grid, on the window's thread: those kept, and decodes asked for the rest.
#include <cstddef>
#include <functional>
#include <vector>

#include "thumbnails/thumbnail_cache.h"
#include "thumbnails/thumbnail_decoder.h"

namespace vis {

class Thumbnails {
public:
    enum class State { waiting, ready, unreadable };

    Thumbnails(PostToWindowThread post, std::size_t capacity, ThumbnailDecoder::Decode decode, int workers = 0);

    // Thumbnails fit this box (pixels); a new size forgets those made for the old one.
    void set_box(int width, int height);
    // What a cell shows now; `picture` is set when it is ready.
    State state(const ThumbKey& key, const Picture** picture = nullptr);
    // The view wants these, most wanted first: those kept stay kept before any other, those not
    // kept are decoded, requests for others dropped. Returns the dropped ones.
    std::vector<ThumbKey> want(const std::vector<ThumbKey>& keys);

    // Told on the window's thread when a thumbnail has come.
    std::function<void(const ThumbKey&)> on_ready;

    ThumbnailCache& cache() { return cache_; }
    ThumbnailDecoder& decoder() { return decoder_; }

private:
    ThumbnailCache cache_;
    int box_width_ = 0;
    int box_height_ = 0;
    ThumbnailDecoder decoder_;  // last: its posts reach the cache above
};

}  // namespace vis
