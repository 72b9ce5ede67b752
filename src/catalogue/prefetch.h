#pragma once
// Decodes the screenshots the viewer is likely to show next on a worker thread, so that a step
// finds its picture already decoded. A kept picture is handed out only while its file still has
// the length and modification time it had when it was decoded, so a changed file is never shown
// stale. At most `capacity` decoded pictures are kept, the least recently wanted going first.
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <filesystem>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "ui/picture.h"

namespace vis {

class Prefetcher {
public:
    explicit Prefetcher(std::size_t capacity = 3);
    ~Prefetcher();
    Prefetcher(const Prefetcher&) = delete;
    Prefetcher& operator=(const Prefetcher&) = delete;

    // Replaces the requests still waiting with these files, most wanted first. Files already
    // kept count as just wanted, so they outlive older pictures.
    void request(const std::vector<std::string>& paths);
    // The picture of the file as it is now, if it was decoded ahead; waits for a decode of that
    // file that is under way. Nothing when the caller has to decode it itself.
    std::optional<Picture> take(const std::string& path);
    // Forgets every request and every kept picture.
    void clear();
    // Pictures decoded from now on also carry a copy scaled to this size (pixels), for a
    // stretched display; 0 x 0 for none.
    void set_scaled_size(int width, int height);
    // Returns once no request waits and none is being decoded.
    void wait_idle();
    std::size_t kept() const;

private:
    struct Stamp {
        std::uintmax_t size = 0;
        std::filesystem::file_time_type modified;
        bool operator==(const Stamp&) const = default;
    };
    struct Entry {
        std::string path;
        Stamp stamp;
        Picture picture;
        std::uint64_t used = 0;
    };

    static std::optional<Stamp> stamp_of(const std::string& path);
    void run();
    // The following run with the mutex held.
    Entry* find(const std::string& path);
    void keep(const std::string& path, const Stamp& stamp, Picture picture);

    const std::size_t capacity_;
    mutable std::mutex mutex_;
    std::condition_variable work_;
    std::condition_variable finished_;
    std::deque<std::string> queue_;
    std::vector<Entry> entries_;
    std::string in_flight_;  // the file being decoded; empty when idle
    int scaled_width_ = 0;
    int scaled_height_ = 0;
    std::uint64_t use_clock_ = 0;
    // Bumped by clear(): a decode started before it is not kept.
    std::uint64_t generation_ = 0;
    bool stopping_ = false;
    std::thread worker_;  // last, so it starts after everything it uses
};

}  // namespace vis
