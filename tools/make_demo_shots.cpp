// Writes a set of made-up screenshots for trying the program without the game:
//   make_demo_shots <folder> [count]
// Each is an 800 x 600 JPEG of a simple landscape in its own colours, saved a few hours after
// the one before, named as the game names its screenshots.
#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "imaging/jpeg.h"
#include "services/paths.h"

namespace {

std::uint32_t pack(double r, double g, double b) {
    auto c = [](double v) { return static_cast<std::uint32_t>(std::clamp(v, 0.0, 255.0)); };
    return 0xFF000000u | (c(r) << 16) | (c(g) << 8) | c(b);
}

vis::Picture landscape(int index, int width, int height) {
    auto pixels = std::make_shared<std::vector<std::uint32_t>>(static_cast<std::size_t>(width) * height);
    const double hue = index * 0.7;
    const double sun_x = width * (0.2 + 0.6 * std::fmod(index * 0.37, 1.0));
    const double sun_y = height * 0.25;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const double ground = height * 0.62 + 30 * std::sin(x * 0.01 + index);
            double r, g, b;
            if (y < ground) {
                const double t = static_cast<double>(y) / ground;
                r = 90 + 80 * std::sin(hue) + 60 * t;
                g = 140 + 50 * std::sin(hue + 2) + 40 * t;
                b = 230 - 40 * t;
                const double d = std::hypot(x - sun_x, y - sun_y);
                if (d < 40) r = 255, g = 230, b = 120;
            } else {
                const double t = (y - ground) / (height - ground);
                r = 60 + 40 * std::sin(hue + 1) - 30 * t;
                g = 130 + 50 * std::sin(hue + 3) - 40 * t;
                b = 50 + 20 * t;
                if (((x / 40) + (y / 40)) % 2 == 0) g += 12;
            }
            (*pixels)[static_cast<std::size_t>(y) * width + x] = pack(r, g, b);
        }
    }
    return {width, height, pixels};
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: make_demo_shots <folder> [count]\n");
        return 2;
    }
    const std::string folder = argv[1];
    const int count = argc > 2 ? std::max(1, std::atoi(argv[2])) : 12;
    std::filesystem::create_directories(vis::to_fs_path(folder));
    // Start a few days back so the newest shot is a little older than now.
    std::time_t when = std::time(nullptr) - static_cast<std::time_t>(count) * 5 * 3600;
    for (int i = 0; i < count; ++i, when += 5 * 3600 + 17 * 60 + i * 7) {
        std::tm t{};
        localtime_r(&when, &t);
        char name[64];
        std::snprintf(name, sizeof name, "PelmarOnline_%04d%d%02d_%02d%02d%02d.jpg", t.tm_year + 1900, t.tm_mon + 1,
                      t.tm_mday, t.tm_hour, t.tm_min, t.tm_sec);
        const std::string path = vis::join_path(folder, name);
        const auto bytes = vis::encode_jpeg(landscape(i, 800, 600), 85);
        std::ofstream out(vis::to_fs_path(path), std::ios::binary);
        out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
        out.close();
        if (!out) {
            std::fprintf(stderr, "cannot write %s\n", path.c_str());
            return 1;
        }
        std::filesystem::last_write_time(
            vis::to_fs_path(path), std::chrono::file_clock::from_sys(std::chrono::system_clock::from_time_t(when)));
    }
    return 0;
}
