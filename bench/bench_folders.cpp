#include "bench_folders.h"

#include <cstdint>
#include <filesystem>
#include <map>
#include <memory>
#include <vector>

#include "imaging/jpeg.h"
#include "services/paths.h"

namespace vis::bench {

std::string full_hd_jpeg(std::uint32_t seed) {
    const int w = 1920, h = 1080;
    auto px = std::make_shared<std::vector<std::uint32_t>>(static_cast<std::size_t>(w) * h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            seed = seed * 1103515245u + 12345u;
            const std::uint32_t noise = (seed >> 16) & 0x1F;
            (*px)[static_cast<std::size_t>(y) * w + x] =
                0xFF000000u | (((x / 3 + noise) & 0xFF) << 16) | (((y / 2 + noise) & 0xFF) << 8) | ((x ^ y) & 0xFF);
        }
    const auto bytes = encode_jpeg(Picture{w, h, px}, 80);
    return std::string(bytes.begin(), bytes.end());
}

Picture full_hd_noise() {
    auto pixels = std::make_shared<std::vector<std::uint32_t>>();
    pixels->reserve(std::size_t{1920} * 1080);
    std::uint32_t seed = 12345;
    for (std::size_t i = 0; i < std::size_t{1920} * 1080; ++i) {
        seed = seed * 1664525u + 1013904223u;
        pixels->push_back(0xFF000000u | (seed >> 8));
    }
    return {1920, 1080, pixels};
}

const test::GameFolders& big_game_folder() {
    static const auto folders = [] {
        auto f = std::make_unique<test::GameFolders>();
        f->write_settings("1", "0");
        const std::string big = full_hd_jpeg();
        const std::string small = test::write_jpeg(join_path(f->shots, "PelmarOnline_seed.jpg"), 32, 24);
        for (int i = 0; i < kBigFolderCount; ++i) {
            const std::string path = join_path(f->shots, "PelmarOnline_2006115_" + std::to_string(100000 + i) + ".jpg");
            test::write_file(path, i == 0 ? big : small);
            test::set_modified(path, 1100000000 + i * 60);
        }
        std::filesystem::remove(to_fs_path(join_path(f->shots, "PelmarOnline_seed.jpg")));
        return f;
    }();
    return *folders;
}

const test::GameFolders& shots_folder(int count) {
    static std::map<int, std::unique_ptr<test::GameFolders>> made;
    auto& f = made[count];
    if (!f) {
        f = std::make_unique<test::GameFolders>();
        f->write_settings("1", "0");
        const std::string seed = join_path(f->shots, "PelmarOnline_seed.jpg");
        const std::string bytes = test::write_jpeg(seed, 32, 24);
        std::filesystem::remove(to_fs_path(seed));
        for (int i = 0; i < count; ++i) {
            const std::string path = join_path(f->shots, "PelmarOnline_2006115_" + std::to_string(100000 + i) + ".jpg");
            test::write_file(path, bytes);
            test::set_modified(path, 1100000000 + i * 60);
        }
    }
    return *f;
}

std::string full_hd_run_name(int i) {
    return "PelmarOnline_2006115_" + std::to_string(200000 + i) + ".jpg";
}

const test::GameFolders& full_hd_run_folder() {
    static const auto folders = [] {
        auto f = std::make_unique<test::GameFolders>();
        f->write_settings("1", "0");
        const std::string small = test::write_jpeg(join_path(f->shots, "PelmarOnline_seed.jpg"), 32, 24);
        for (int i = 0; i < kBigFolderCount; ++i) {
            const std::string path = join_path(f->shots, full_hd_run_name(i));
            test::write_file(path, i < kFullHdRun ? full_hd_jpeg(static_cast<std::uint32_t>(7919 * (i + 1))) : small);
            test::set_modified(path, 1100000000 + i * 60);
        }
        std::filesystem::remove(to_fs_path(join_path(f->shots, "PelmarOnline_seed.jpg")));
        return f;
    }();
    return *folders;
}

void set_aside(const std::string& folder) {
    static const test::TempFolder held;
    static int n = 0;
    std::filesystem::rename(to_fs_path(folder), to_fs_path(join_path(held.path(), std::to_string(++n))));
}

}  // namespace vis::bench
