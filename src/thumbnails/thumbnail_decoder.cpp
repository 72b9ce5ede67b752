#include "thumbnails/thumbnail_decoder.h"

#include <algorithm>
#include <utility>

namespace vis {

ThumbnailDecoder::ThumbnailDecoder(PostToWindowThread post, Delivered delivered, Decode decode, int workers)
    : post_(std::move(post)), decode_(std::move(decode)), sink_(std::make_shared<Sink>(Sink{std::move(delivered), 0})) {
    if (workers <= 0) workers = std::clamp(static_cast<int>(std::thread::hardware_concurrency()), 1, 4);
    for (int i = 0; i < workers; ++i) workers_.emplace_back([this] { run(); });
}

ThumbnailDecoder::~ThumbnailDecoder() {
    {
        std::lock_guard lock(mutex_);
        stopping_ = true;
        queue_.clear();
    }
    work_.notify_all();
    for (std::thread& worker : workers_) worker.join();
}

void ThumbnailDecoder::set_box(int width, int height) {
    std::lock_guard lock(mutex_);
    if (width == box_width_ && height == box_height_) return;
    box_width_ = width;
    box_height_ = height;
    sink_->box_generation = ++box_generation_;
    queue_.clear();
}

std::vector<ThumbKey> ThumbnailDecoder::want(std::vector<ThumbKey> keys) {
    std::vector<ThumbKey> dropped;
    {
        std::lock_guard lock(mutex_);
        for (ThumbKey& waiting : queue_)
            if (std::find(keys.begin(), keys.end(), waiting) == keys.end()) dropped.push_back(std::move(waiting));
        queue_.clear();
        for (ThumbKey& key : keys)
            if (std::find(in_flight_.begin(), in_flight_.end(), key) == in_flight_.end())
                queue_.push_back(std::move(key));
    }
    work_.notify_all();
    return dropped;
}

std::vector<ThumbKey> ThumbnailDecoder::waiting() const {
    std::lock_guard lock(mutex_);
    return {queue_.begin(), queue_.end()};
}

void ThumbnailDecoder::wait_idle() {
    std::unique_lock lock(mutex_);
    idle_.wait(lock, [&] { return queue_.empty() && in_flight_.empty(); });
}

void ThumbnailDecoder::run() {
    std::unique_lock lock(mutex_);
    for (;;) {
        work_.wait(lock, [&] { return stopping_ || !queue_.empty(); });
        if (stopping_) return;
        ThumbKey key = std::move(queue_.front());
        queue_.pop_front();
        in_flight_.push_back(key);
        const int width = box_width_, height = box_height_;
        const std::uint64_t generation = box_generation_;
        lock.unlock();

        Picture picture = decode_(key, width, height);
        post_([sink = std::weak_ptr<Sink>(sink_), key, picture = std::move(picture), generation] {
            const auto alive = sink.lock();
            if (alive && alive->box_generation == generation) alive->delivered(key, picture);
        });

        lock.lock();
        in_flight_.erase(std::find(in_flight_.begin(), in_flight_.end(), key));
        idle_.notify_all();
    }
}

}  // namespace vis
