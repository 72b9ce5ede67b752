// The thumbnail grid at 1920 x 1080 over game scenes of 1920 x 1080 (about 300 KB each): one
// thumbnail's decode, and one read from the disk cache, against a full decode of the same file; opening the grid with
// 50,000 listed against 100 (until the first screen's thumbnails have all come), with the disk cache empty and warm;
// and holding Page Down through 50,000, with the longest step on the window's thread and the memory the thumbnails hold
// afterwards.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <filesystem>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <utility>
#include <vector>

#include "bench_folders.h"
#include "game_scene.h"
#include "imaging/jpeg.h"
#include "services/paths.h"
#include "support/temp_folder.h"
#include "system_file_system.h"
#include "thumbnails/thumbnail_disk_cache.h"
#include "thumbnails/thumbnail_picture.h"
#include "thumbnails/thumbnail_view.h"

namespace vis::bench {
namespace {

// Distinct files (links to one full-HD screenshot); items beyond take them again under other
// save times, so each item is a thumbnail of its own.
constexpr int kFiles = 2000;

const std::string& thumbs_folder() {
    static const test::TempFolder folder;
    static const bool made = [] {
        const std::string first = join_path(folder.path(), "shot0.jpg");
        test::write_file(first, game_scene_jpeg());
        for (int i = 1; i < kFiles; ++i) {
            const auto link = to_fs_path(join_path(folder.path(), "shot" + std::to_string(i) + ".jpg"));
            std::error_code ec;
            std::filesystem::create_hard_link(to_fs_path(first), link, ec);
            if (ec) std::filesystem::copy_file(to_fs_path(first), link, ec);
        }
        return true;
    }();
    (void)made;
    return folder.path();
}

// 125 screenshots a day, newest first, each saved within its day a second after the next.
class BenchItems : public GridItems {
public:
    explicit BenchItems(int count) : count_(count) {}
    int count() const override { return count_; }
    int day(int item) const override { return 20070000 - item / 125; }
    ThumbKey key(int item) const override {
        return {join_path(thumbs_folder(), "shot" + std::to_string(item % kFiles) + ".jpg"), 1,
                SaveTime{day(item)} * 1000000 + 235959 - item % 125};
    }
    std::string line(int item) const override { return "line " + std::to_string(item); }

private:
    int count_;
};

// The window's thread: posts wait here until it runs them.
class PostQueue {
public:
    PostToWindowThread poster() {
        return [this](std::function<void()> f) {
            {
                std::lock_guard lock(mutex_);
                posted_.push_back(std::move(f));
            }
            came_.notify_one();
        };
    }
    void run() {
        std::vector<std::function<void()>> now;
        {
            std::lock_guard lock(mutex_);
            now.swap(posted_);
        }
        for (auto& f : now) f();
    }
    // Sleeps until something is posted, as a window's thread waits for its next message, then
    // runs it. A poll with short sleeps instead spins under Wine, whose sleeps shorter than a
    // millisecond yield at once, and takes a processor from the decoders.
    void wait_and_run() {
        {
            std::unique_lock lock(mutex_);
            came_.wait_for(lock, std::chrono::seconds(1), [this] { return !posted_.empty(); });
        }
        run();
    }

private:
    std::mutex mutex_;
    std::condition_variable came_;
    std::vector<std::function<void()>> posted_;
};

std::string first_shot() {
    return join_path(thumbs_folder(), "shot0.jpg");
}

// The screenshot's size, beside the decodes' times.
void count_file_size(benchmark::State& state) {
    std::error_code ec;
    state.counters["file_KB"] = static_cast<double>(std::filesystem::file_size(to_fs_path(first_shot()), ec)) / 1024.0;
}

void BM_ThumbnailsFullDecode1080p(benchmark::State& state) {
    const std::string path = first_shot();
    for (auto _ : state) benchmark::DoNotOptimize(decode_jpeg_file(path));
    count_file_size(state);
}
BENCHMARK(BM_ThumbnailsFullDecode1080p)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_ThumbnailsOneThumbnail1080p(benchmark::State& state) {
    const std::string path = first_shot();
    for (auto _ : state) benchmark::DoNotOptimize(decode_thumbnail(path, 192, 108));
    count_file_size(state);
}
BENCHMARK(BM_ThumbnailsOneThumbnail1080p)->Unit(benchmark::kMillisecond)->UseRealTime();

test::SystemFileSystem& disk_files() {
    static test::SystemFileSystem files;
    return files;
}

// The thumbnails kept on disk, in a folder of their own for the run.
const std::shared_ptr<ThumbnailDiskCache>& disk_cache() {
    static const test::TempFolder folder;
    static const auto disk = std::make_shared<ThumbnailDiskCache>(disk_files(), join_path(folder.path(), "thumbnails"));
    return disk;
}

// The same thumbnails as the next run of the program finds them: none of their packs open yet.
std::shared_ptr<ThumbnailDiskCache> disk_cache_of_a_new_run() {
    return std::make_shared<ThumbnailDiskCache>(disk_files(), disk_cache()->folder());
}

// Makes sure the disk holds these items' thumbnails.
void warm_disk_cache(const GridItems& items, int first, int last) {
    for (int i = first; i < last; ++i) {
        const ThumbKey key = items.key(i);
        if (!disk_cache()->find(key, 192, 108)) disk_cache()->store(key, 192, 108, decode_thumbnail_of(key, 192, 108));
    }
}

void BM_ThumbnailsFromDiskCache1080p(benchmark::State& state) {
    const ThumbKey key{first_shot(), 1, 1};
    if (!disk_cache()->find(key, 192, 108)) disk_cache()->store(key, 192, 108, decode_thumbnail_of(key, 192, 108));
    for (auto _ : state) benchmark::DoNotOptimize(disk_cache()->find(key, 192, 108));
    std::error_code ec;
    state.counters["file_KB"] =
        static_cast<double>(std::filesystem::file_size(to_fs_path(disk_cache()->pack_of(key, 192, 108)), ec)) / 1024.0;
}
BENCHMARK(BM_ThumbnailsFromDiskCache1080p)->Unit(benchmark::kMillisecond)->UseRealTime();

// A grid filling a 1920 x 1080 screen at 96 dpi, its thumbnails kept 64 at most, its posts waiting
// for the benchmark to run them.
struct FullHdGrid {
    explicit FullHdGrid(const GridItems& items, ThumbnailDecoder::Decode decode = decode_thumbnail_of)
        : thumbs(posts.poster(), 64, std::move(decode)), view(items, thumbs) {
        view.arrange(1920, 1080, 1.0);
    }
    PostQueue posts;
    Thumbnails thumbs;
    ThumbnailView view;
};

// From nothing to every thumbnail of the first screen kept: the layout, the requests, the decodes
// (or, with a warm disk cache, the reads of the thumbnails kept there, as a new run makes them).
void open_first_screen(benchmark::State& state, bool warm) {
    const BenchItems items(static_cast<int>(state.range(0)));
    thumbs_folder();
    if (warm) warm_disk_cache(items, 0, FullHdGrid(items).view.visible().second);
    int shown = 0;
    for (auto _ : state) {
        FullHdGrid grid(
            items, warm ? through_disk_cache(disk_cache_of_a_new_run(), decode_thumbnail_of) : decode_thumbnail_of);
        auto& [posts, thumbs, view] = grid;
        const auto [first, last] = view.visible();
        shown = last - first;
        for (int i = first; i < last;) {
            if (thumbs.state(items.key(i)) != Thumbnails::State::waiting)
                ++i;
            else
                posts.wait_and_run();
        }
    }
    state.counters["cells"] = shown;
    // The decoder threads the grid starts: one per processor the system reports, at most four.
    state.counters["processors"] = std::thread::hardware_concurrency();
}

void BM_ThumbnailsOpenFirstScreen(benchmark::State& state) {
    open_first_screen(state, false);
}
BENCHMARK(BM_ThumbnailsOpenFirstScreen)->Arg(100)->Arg(50000)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_ThumbnailsOpenFirstScreenWarmDisk(benchmark::State& state) {
    open_first_screen(state, true);
}
BENCHMARK(BM_ThumbnailsOpenFirstScreenWarmDisk)->Arg(100)->Arg(50000)->Unit(benchmark::kMillisecond)->UseRealTime();

// Page Down held through 50,000: the longest step on the window's thread (the thumbnails that came,
// scroll, requests, the cells' look-ups), then what the cache holds. A key repeat leaves the
// decoder a moment between steps (2 ms here, a quicker repeat than a keyboard's), so it decodes
// far more thumbnails than the cache keeps.
void BM_ThumbnailsPageDownThrough50000(benchmark::State& state) {
    const BenchItems items(50000);
    thumbs_folder();
    double longest_ms = 0;
    double cache_mb = 0;
    for (auto _ : state) {
        FullHdGrid grid(items);
        auto& [posts, thumbs, view] = grid;
        while (view.top() < view.layout().max_top(view.height())) {
            const auto start = std::chrono::steady_clock::now();
            posts.run();
            view.scroll(view.top() + view.height());
            const auto [first, last] = view.visible();
            for (int i = first; i < last; ++i) benchmark::DoNotOptimize(thumbs.state(items.key(i)));
            const auto took = std::chrono::steady_clock::now() - start;
            longest_ms = std::max(longest_ms, std::chrono::duration<double, std::milli>(took).count());
            std::this_thread::sleep_for(std::chrono::milliseconds(2));
        }
        thumbs.decoder().wait_idle();
        posts.run();
        cache_mb = static_cast<double>(thumbs.cache().bytes()) / (1024.0 * 1024.0);
    }
    state.counters["longest_step_ms"] = longest_ms;
    state.counters["cache_MB"] = cache_mb;
}
BENCHMARK(BM_ThumbnailsPageDownThrough50000)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(1);

}  // namespace
}  // namespace vis::bench
