#include "thumbnails/thumbnail_decoder.h"

#include <algorithm>
#include <utility>

namespace vis {

ThumbnailDecoder::ThumbnailDecoder(PostToWindowThread post, Delivered delivered, Decode decode)
    : post_(std::move(post)), decode_(std::move(decode)), sink_(std::make_shared<Sink>(Sink{std::move(delivered), 0})) {
    worker_ = std::thread([this] { run(); });
}

ThumbnailDecoder::~ThumbnailDecoder() {
    {
        std::lock_guard lock(mutex_);
        stopping_ = true;
        queue_.clear();
    }
    work_.notify_all();
    worker_.join();
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
            if (!(busy_ && key == in_flight_)) queue_.push_back(std::move(key));
    }
    work_.notify_one();
    return dropped;
}

std::vector<ThumbKey> ThumbnailDecoder::waiting() const {
    std::lock_guard lock(mutex_);
    return {queue_.begin(), queue_.end()};
}

void ThumbnailDecoder::wait_idle() {
    std::unique_lock lock(mutex_);
    idle_.wait(lock, [&] { return queue_.empty() && !busy_; });
}

void ThumbnailDecoder::run() {
    std::unique_lock lock(mutex_);
    for (;;) {
        work_.wait(lock, [&] { return stopping_ || !queue_.empty(); });
        if (stopping_) return;
        ThumbKey key = std::move(queue_.front());
        queue_.pop_front();
        in_flight_ = key;
        const int width = box_width_, height = box_height_;
        const std::uint64_t generation = box_generation_;
        busy_ = true;
        lock.unlock();

        Picture picture = decode_(key.path, width, height);
        post_([sink = std::weak_ptr<Sink>(sink_), key = std::move(key), picture = std::move(picture), generation] {
            const auto alive = sink.lock();
            if (alive && alive->box_generation == generation) alive->delivered(key, picture);
        });

        lock.lock();
        busy_ = false;
        idle_.notify_all();
    }
}

}  // namespace vis
