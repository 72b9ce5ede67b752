#pragma once
// Decodes thumbnails on worker threads, most wanted first, and hands each back on the window's
// thread through the window system's cross-thread post, so the window never waits for a decode.
// A request no longer wanted when the view moves is dropped before it is decoded.
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

#include "thumbnails/thumb_key.h"
#include "ui/picture.h"

namespace vis {

// Runs a function on the window's thread, between events; callable from any thread.
using PostToWindowThread = std::function<void(std::function<void()>)>;

class ThumbnailDecoder {
public:
    // The screenshot's thumbnail fitting the box; an empty picture when the file cannot be decoded.
    using Decode = std::function<Picture(const ThumbKey& key, int box_width, int box_height)>;
    // On the window's thread: a thumbnail made for the box size of the time.
    using Delivered = std::function<void(const ThumbKey& key, const Picture& picture)>;

    // `workers` threads decode side by side; 0 for one per processor (at most four): the window's
    // thread is mostly idle while they do, and the first screen comes that much sooner.
    ThumbnailDecoder(PostToWindowThread post, Delivered delivered, Decode decode, int workers = 0);
    ~ThumbnailDecoder();
    ThumbnailDecoder(const ThumbnailDecoder&) = delete;
    ThumbnailDecoder& operator=(const ThumbnailDecoder&) = delete;

    // Thumbnails made from now on fit this box; one made for another box is not delivered.
    void set_box(int width, int height);
    // Replaces the waiting requests with `keys`, most wanted first (one being decoded now is not
    // asked again). Returns the requests that were waiting and are not wanted any more, which are
    // dropped.
    std::vector<ThumbKey> want(std::vector<ThumbKey> keys);
    std::vector<ThumbKey> waiting() const;
    // Returns once no request waits and none is being decoded (its result posted).
    void wait_idle();

private:
    // What the posted results reach; gone with the decoder, so a late post does nothing.
    struct Sink {
        Delivered delivered;
        std::uint64_t box_generation = 0;
    };
    void run();

    PostToWindowThread post_;
    Decode decode_;
    std::shared_ptr<Sink> sink_;
    mutable std::mutex mutex_;
    std::condition_variable work_;
    std::condition_variable idle_;
    std::deque<ThumbKey> queue_;
    // Being decoded now, one per busy worker.
    std::vector<ThumbKey> in_flight_;
    int box_width_ = 0;
    int box_height_ = 0;
    std::uint64_t box_generation_ = 0;
    bool stopping_ = false;
    std::vector<std::thread> workers_;  // last, so they start after everything they use
};

}  // namespace vis
