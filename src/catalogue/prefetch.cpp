#include "catalogue/prefetch.h"

#include <algorithm>
#include <system_error>

#include "imaging/jpeg.h"
#include "imaging/picture_scale.h"
#include "services/paths.h"

namespace vis {

Prefetcher::Prefetcher(std::size_t capacity) : capacity_(std::max<std::size_t>(capacity, 1)) {
    worker_ = std::thread([this] { run(); });
}

Prefetcher::~Prefetcher() {
    {
        std::lock_guard lock(mutex_);
        stopping_ = true;
        queue_.clear();
    }
    work_.notify_all();
    worker_.join();
}

std::optional<Prefetcher::Stamp> Prefetcher::stamp_of(const std::string& path) {
    const auto p = to_fs_path(path);
    std::error_code ec;
    Stamp s;
    s.size = std::filesystem::file_size(p, ec);
    if (ec) return std::nullopt;
    s.modified = std::filesystem::last_write_time(p, ec);
    if (ec) return std::nullopt;
    return s;
}

void Prefetcher::request(const std::vector<std::string>& paths) {
    {
        std::lock_guard lock(mutex_);
        queue_.assign(paths.begin(), paths.end());
        // Least wanted first, so the most wanted ends with the newest use.
        for (auto it = paths.rbegin(); it != paths.rend(); ++it)
            if (Entry* e = find(*it)) e->used = ++use_clock_;
    }
    work_.notify_one();
}

std::optional<Picture> Prefetcher::take(const std::string& path) {
    const auto now = stamp_of(path);
    if (!now) return std::nullopt;
    std::unique_lock lock(mutex_);
    // A decode of this very file is under way: finishing it is quicker than starting over.
    finished_.wait(lock, [&] { return in_flight_ != path; });
    Entry* e = find(path);
    if (e == nullptr) return std::nullopt;
    if (!(e->stamp == *now)) {
        entries_.erase(entries_.begin() + (e - entries_.data()));
        return std::nullopt;
    }
    e->used = ++use_clock_;
    return e->picture;
}

void Prefetcher::clear() {
    std::lock_guard lock(mutex_);
    queue_.clear();
    entries_.clear();
    ++generation_;
}

void Prefetcher::set_scaled_size(int width, int height) {
    std::lock_guard lock(mutex_);
    scaled_width_ = width;
    scaled_height_ = height;
}

void Prefetcher::wait_idle() {
    std::unique_lock lock(mutex_);
    finished_.wait(lock, [&] { return queue_.empty() && in_flight_.empty(); });
}

std::size_t Prefetcher::kept() const {
    std::lock_guard lock(mutex_);
    return entries_.size();
}

Prefetcher::Entry* Prefetcher::find(const std::string& path) {
    const auto it = std::find_if(entries_.begin(), entries_.end(), [&](const Entry& e) { return e.path == path; });
    return it == entries_.end() ? nullptr : &*it;
}

void Prefetcher::keep(const std::string& path, const Stamp& stamp, Picture picture) {
    if (Entry* old = find(path)) entries_.erase(entries_.begin() + (old - entries_.data()));
    entries_.push_back({path, stamp, std::move(picture), ++use_clock_});
    while (entries_.size() > capacity_) {
        const auto oldest = std::min_element(entries_.begin(), entries_.end(),
                                             [](const Entry& a, const Entry& b) { return a.used < b.used; });
        entries_.erase(oldest);
    }
}

void Prefetcher::run() {
    std::unique_lock lock(mutex_);
    for (;;) {
        work_.wait(lock, [&] { return stopping_ || !queue_.empty(); });
        if (stopping_) return;
        const std::string path = queue_.front();
        queue_.pop_front();
        const std::uint64_t generation = generation_;
        const int scaled_width = scaled_width_;
        const int scaled_height = scaled_height_;
        in_flight_ = path;
        lock.unlock();

        // Only this thread's locals are touched while the lock is released.
        std::optional<Picture> picture;
        const auto before = stamp_of(path);
        bool already_kept = false;
        if (before) {
            lock.lock();
            const Entry* e = find(path);
            already_kept = e != nullptr && e->stamp == *before;
            lock.unlock();
            if (!already_kept) picture = decode_jpeg_file(path);
            if (picture && scaled_width > 0 && scaled_height > 0)
                picture->scaled =
                    std::make_shared<const ScaledCopy>(scale_by_area(*picture, scaled_width, scaled_height));
        }
        // A file that changed while it was read may have been read half old, half new.
        const bool unchanged = picture && stamp_of(path) == before;

        lock.lock();
        if (unchanged && generation == generation_) keep(path, *before, std::move(*picture));
        in_flight_.clear();
        finished_.notify_all();
    }
}

}  // namespace vis
