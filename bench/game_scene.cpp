#include "game_scene.h"

#include <algorithm>
#include <cmath>
#include <memory>
#include <vector>

#include "imaging/jpeg.h"

namespace vis::bench {

namespace {

constexpr int kWidth = 1920;
constexpr int kHeight = 1080;

struct Rgb {
    double r, g, b;
};

Rgb mix(Rgb a, Rgb b, double t) {
    return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}

std::uint32_t hash(std::uint32_t x, std::uint32_t y, std::uint32_t seed) {
    std::uint32_t h = x * 0x8DA6B343u ^ y * 0xD8163841u ^ seed * 0xCB1AB31Fu;
    h ^= h >> 13;
    h *= 0x5BD1E995u;
    return h ^ (h >> 15);
}

// Smooth value noise in [0, 1): random values on a lattice `cell` pixels apart, blended between.
double value_noise(int x, int y, int cell, std::uint32_t seed) {
    const int cx = x / cell, cy = y / cell;
    const double fx = static_cast<double>(x % cell) / cell, fy = static_cast<double>(y % cell) / cell;
    const auto at = [&](int i, int j) {
        return (hash(static_cast<std::uint32_t>(cx + i), static_cast<std::uint32_t>(cy + j), seed) >> 8) / 16777216.0;
    };
    const double sx = fx * fx * (3 - 2 * fx), sy = fy * fy * (3 - 2 * fy);
    const double top = at(0, 0) + (at(1, 0) - at(0, 0)) * sx;
    const double bottom = at(0, 1) + (at(1, 1) - at(0, 1)) * sx;
    return top + (bottom - top) * sy;
}

// Grass and earth: broad patches with finer grain, as a game's ground texture.
double ground_texture(int x, int y, std::uint32_t seed) {
    return 0.3 * value_noise(x, y, 96, seed) + 0.2 * value_noise(x, y, 12, seed + 1) +
           0.5 * value_noise(x, y, 2, seed + 2);
}

class Canvas {
public:
    Canvas() : pixels_(std::make_shared<std::vector<std::uint32_t>>(std::size_t{kWidth} * kHeight)) {}

    void set(int x, int y, Rgb c) {
        if (x < 0 || y < 0 || x >= kWidth || y >= kHeight) return;
        const auto byte = [](double v) { return static_cast<std::uint32_t>(std::clamp(v, 0.0, 255.0)); };
        (*pixels_)[static_cast<std::size_t>(y) * kWidth + x] =
            0xFF000000u | byte(c.r) << 16 | byte(c.g) << 8 | byte(c.b);
    }
    Rgb get(int x, int y) const {
        const std::uint32_t p = (*pixels_)[static_cast<std::size_t>(y) * kWidth + x];
        return {static_cast<double>(p >> 16 & 0xFF), static_cast<double>(p >> 8 & 0xFF), static_cast<double>(p & 0xFF)};
    }
    // `grain` darkens by up to that share in a fine pattern, as a texture does.
    void box(int left, int top, int width, int height, Rgb c, double grain = 0) {
        for (int y = top; y < top + height; ++y)
            for (int x = left; x < left + width; ++x) set(x, y, mix(c, {0, 0, 0}, grain * value_noise(x, y, 2, 99)));
    }
    // Darkens what is under the box by `shade` (0 none, 1 black), as a half-see-through panel.
    void shade_box(int left, int top, int width, int height, double shade) {
        for (int y = top; y < top + height; ++y)
            for (int x = left; x < left + width; ++x) set(x, y, mix(get(x, y), {0, 0, 0}, shade));
    }
    void disc(int cx, int cy, int radius, Rgb light, Rgb dark) {
        for (int y = cy - radius; y <= cy + radius; ++y)
            for (int x = cx - radius; x <= cx + radius; ++x) {
                const double d = std::hypot(x - cx + radius / 3.0, y - cy + radius / 3.0) / (1.6 * radius);
                const double leaves = 0.4 * value_noise(x, y, 3, 77);
                if ((x - cx) * (x - cx) + (y - cy) * (y - cy) <= radius * radius)
                    set(x, y, mix(light, dark, std::min(1.0, d + leaves)));
            }
    }
    Picture picture() const { return {kWidth, kHeight, pixels_}; }

private:
    std::shared_ptr<std::vector<std::uint32_t>> pixels_;
};

int horizon(int x) {
    return static_cast<int>(430 + 40 * std::sin(x / 210.0) + 25 * std::sin(x / 67.0 + 1.3));
}

void paint_land(Canvas& c, std::uint32_t seed) {
    for (int y = 0; y < kHeight; ++y)
        for (int x = 0; x < kWidth; ++x) {
            if (y < horizon(x)) {
                const double t = static_cast<double>(y) / 480;
                Rgb sky = mix({40, 80, 170}, {250, 190, 140}, t * t);
                sky = mix(sky, {255, 255, 255}, 0.35 * std::max(0.0, value_noise(x, y, 160, seed + 7) - 0.45));
                c.set(x, y, sky);
            } else {
                const double depth = static_cast<double>(y - horizon(x)) / (kHeight - horizon(x));
                const double tex = ground_texture(x, y, seed);
                const Rgb grass = mix({55, 95, 40}, {135, 175, 80}, tex);
                const Rgb earth = mix({100, 75, 45}, {165, 135, 90}, tex);
                const bool path = std::abs(x - 960 - (y - 700) * 0.8) < 60 + depth * 160;
                c.set(x, y, mix(path ? earth : grass, {60, 80, 110}, 0.3 * (1 - depth)));
            }
        }
}

void paint_buildings(Canvas& c, std::uint32_t seed) {
    for (int i = 0; i < 7; ++i) {
        const int left = 120 + i * 250 + static_cast<int>(hash(i, 1, seed) % 60);
        const int width = 140 + static_cast<int>(hash(i, 2, seed) % 60);
        const int height = 160 + static_cast<int>(hash(i, 3, seed) % 140);
        const int base = horizon(left + width / 2) + 40;
        const Rgb wall = mix({150, 140, 130}, {200, 180, 150}, (hash(i, 4, seed) % 100) / 100.0);
        c.box(left, base - height, width, height, wall, 0.25);
        c.box(left - 10, base - height - 24, width + 20, 24, {120, 50, 40});
        for (int wy = base - height + 20; wy + 24 < base; wy += 40)
            for (int wx = left + 15; wx + 20 < left + width; wx += 35)
                c.box(wx, wy, 20, 24, hash(wx, wy, seed) % 3 ? Rgb{250, 220, 120} : Rgb{40, 50, 70});
    }
}

void paint_trees(Canvas& c, std::uint32_t seed) {
    for (int i = 0; i < 24; ++i) {
        const int x = static_cast<int>(hash(i, 5, seed) % kWidth);
        const int y = 560 + static_cast<int>(hash(i, 6, seed) % 420);
        const int r = 25 + (y - 560) / 8;
        c.box(x - r / 6, y, r / 3, r, {80, 55, 35});
        c.disc(x, y - r / 2, r, {90, 160, 60}, {20, 60, 25});
    }
}

// The status bar: a dark panel with rows of letter-sized marks, as a chat log and the player's
// figures.
void paint_status_bar(Canvas& c, std::uint32_t seed) {
    c.shade_box(0, 930, kWidth, 150, 0.6);
    for (int row = 0; row < 5; ++row)
        for (int x = 20; x < 1100; x += 9) {
            const std::uint32_t h = hash(x, row, seed);
            if (h % 7 == 0) continue;
            c.box(x, 942 + row * 26, 6, 8 + static_cast<int>(h % 6), {230, 230, 220});
        }
    c.disc(1600, 1000, 50, {230, 60, 60}, {110, 20, 20});
    c.disc(1740, 1000, 50, {60, 90, 230}, {20, 30, 110});
}

}  // namespace

std::string game_scene_jpeg(std::uint32_t seed) {
    Canvas canvas;
    paint_land(canvas, seed);
    paint_buildings(canvas, seed);
    paint_trees(canvas, seed);
    paint_status_bar(canvas, seed);
    const auto bytes = encode_jpeg(canvas.picture(), 80);
    return std::string(bytes.begin(), bytes.end());
}

}  // namespace vis::bench
