#include "editor/canvas.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <memory>

#include "editor/text_rim.h"
#include "ui/text_painter.h"

namespace vis {

namespace {

// Keeps absurd coordinates finite and far outside any canvas, so pixel arithmetic stays in range.
constexpr double kFarAway = 1e9;
// Absorbs the rounding of twips divided by a fractional scale (43.2 twips at 14.4 is pixel 3).
constexpr double kSlack = 1e-9;

// The one place where the program's colours meet the buffer's pixels. The unused byte is set as
// Qt's RGB32 and the JPEG decoder have it.
std::uint32_t to_pixel(Colour c) {
    return 0xFF000000u | static_cast<std::uint32_t>(red_of(c)) << 16 | static_cast<std::uint32_t>(green_of(c)) << 8 |
           static_cast<std::uint32_t>(blue_of(c));
}

double squared(double v) {
    return v * v;
}

}  // namespace

Canvas::Canvas(double twips_per_pixel) : twips_per_pixel_(twips_per_pixel > 0 ? twips_per_pixel : 15.0) {}

void Canvas::set_screen(double screen_twips_per_pixel, double device_pixel_ratio) {
    if (!(screen_twips_per_pixel > 0) || !(device_pixel_ratio > 0)) return;
    pixel_ratio_ = device_pixel_ratio;
    twips_per_pixel_ = screen_twips_per_pixel / device_pixel_ratio;
}

void Canvas::set_background(const Picture& picture) {
    const bool usable = !picture.empty() && picture.pixels->size() >= static_cast<std::size_t>(picture.width) *
                                                                          static_cast<std::size_t>(picture.height);
    background_ = usable ? picture : Picture{};
    background_left_ = 0;
    background_top_ = 0;
    width_ = usable ? picture.width : 0;
    height_ = usable ? picture.height : 0;
    pixels_ = std::make_shared<std::vector<std::uint32_t>>();
    ++picture_count_;
    clear();
}

int Canvas::width() const {
    return static_cast<int>(std::lround(width_ * twips_per_pixel_));
}

int Canvas::height() const {
    return static_cast<int>(std::lround(height_ * twips_per_pixel_));
}

Picture Canvas::image() const {
    if (pixels_->empty()) return {};
    const auto count = static_cast<std::ptrdiff_t>(width_) * height_;
    return {width_, height_,
            std::make_shared<const std::vector<std::uint32_t>>(pixels_->begin(), pixels_->begin() + count)};
}

Picture Canvas::live() const {
    if (pixels_->empty()) return {};
    return {width_, height_, pixels_};
}

void Canvas::clear() {
    if (background_.empty()) return;
    // In place once the surface has its size, so a shown surface stays where it is.
    const auto count = static_cast<std::size_t>(width_) * static_cast<std::size_t>(height_);
    if (pixels_->size() < count) pixels_->resize(count);
    for (int y = 0; y < height_; ++y) {
        const std::uint32_t* from = background_.pixels->data() +
                                    static_cast<std::size_t>(y + background_top_) * background_.width +
                                    background_left_;
        std::copy(from, from + width_, row(y));
    }
    mark(0, 0, width_, height_);
}

bool Canvas::crop(const PixelRect& r) {
    const int left = std::max(r.left, 0), top = std::max(r.top, 0);
    const PixelRect kept{left, top, std::min(r.left + r.width, width_) - left,
                         std::min(r.top + r.height, height_) - top};
    // Nothing to cut away, or nothing left: no change.
    if (kept.empty() || pixels_->empty() || kept == PixelRect{0, 0, width_, height_}) return false;
    // Row by row towards the start: no row lands on one not moved yet.
    for (int y = 0; y < kept.height; ++y)
        std::memmove(pixels_->data() + static_cast<std::size_t>(y) * kept.width, row(kept.top + y) + kept.left,
                     static_cast<std::size_t>(kept.width) * sizeof(std::uint32_t));
    // The background stays whole: only where the surface lies on it moves.
    set_frame({kept.width, kept.height, background_left_ + kept.left, background_top_ + kept.top});
    return true;
}

void Canvas::set_frame(const Frame& frame) {
    width_ = frame.width;
    height_ = frame.height;
    background_left_ = frame.left;
    background_top_ = frame.top;
    // Never smaller, so that it stays where it is and a crop's undo finds its room again.
    const auto count = static_cast<std::size_t>(width_) * static_cast<std::size_t>(height_);
    if (pixels_->size() < count) pixels_->resize(count);
    mark(0, 0, width_, height_);
}

void Canvas::mark(int left, int top, int width, int height) {
    changed_ = united(changed_, {left, top, width, height});
}

void Canvas::set_draw_width(int pixels) {
    draw_width_ = std::max(pixels, 1);
}

void Canvas::set_current_point(double x, double y) {
    current_x_ = x;
    current_y_ = y;
}

double Canvas::to_px(double v) const {
    const double px = scale_mode_ == ScaleMode::twips ? v / twips_per_pixel_ : v;
    if (std::isnan(px)) return -kFarAway;
    return std::clamp(std::floor(px + kSlack), -kFarAway, kFarAway);
}

double Canvas::from_px(double px) const {
    return scale_mode_ == ScaleMode::twips ? px * twips_per_pixel_ : px;
}

void Canvas::pset(double x, double y, Colour colour) {
    set_current_point(x, y);
    const double px = to_px(x);
    const double py = to_px(y);
    fill_rounded_box(px, py, px, py, to_pixel(colour));
}

void Canvas::line_to(double x, double y, Colour colour) {
    line(current_x_, current_y_, x, y, colour);
}

void Canvas::line(double x1, double y1, double x2, double y2, Colour colour) {
    set_current_point(x2, y2);
    if (draw_width_ == 1)
        thin_line(to_px(x1), to_px(y1), to_px(x2), to_px(y2), to_pixel(colour));
    else
        thick_line(to_px(x1), to_px(y1), to_px(x2), to_px(y2), to_pixel(colour));
}

void Canvas::box(double x1, double y1, double x2, double y2, Colour colour) {
    set_current_point(x2, y2);
    fill_rounded_box(to_px(x1), to_px(y1), to_px(x2), to_px(y2), to_pixel(colour));
}

void Canvas::box_sized(double x, double y, double width, double height, Colour colour) {
    box(x, y, x + width, y + height, colour);
}

void Canvas::print(const std::string& text, TextPainter& painter) {
    const PixelSurface surface{pixels_->data(), width_, height_, twips_per_pixel_};
    const int x = static_cast<int>(to_px(current_x_)), y = static_cast<int>(to_px(current_y_));
    const DrawnLine drawn = painter.draw_line(surface, x, y, text, font_, text_colour_);
    // Where the glyphs really went, which italics and accents take past the line's box.
    mark(drawn.changed.left, drawn.changed.top, drawn.changed.width, drawn.changed.height);
    current_x_ = 0;
    current_y_ += from_px(drawn.height);
}

void Canvas::print_rim(const std::string& text, TextPainter& painter, Colour colour, int width) {
    const PixelSurface surface{pixels_->data(), width_, height_, twips_per_pixel_};
    const int x = static_cast<int>(to_px(current_x_)), y = static_cast<int>(to_px(current_y_));
    const PixelRect r = draw_text_rim(surface, x, y, text, font_, colour, width, painter);
    mark(r.left, r.top, r.width, r.height);
}

void Canvas::fill_span(int y, double first, double last, std::uint32_t pixel) {
    if (y < 0 || y >= height_) return;
    first = std::max(first, 0.0);
    last = std::min(last, width_ - 1.0);
    if (first > last) return;
    std::uint32_t* r = row(y);
    std::fill(r + static_cast<int>(first), r + static_cast<int>(last) + 1, pixel);
    mark(static_cast<int>(first), y, static_cast<int>(last) - static_cast<int>(first) + 1, 1);
}

// A round pen swept around the box's outline, then the inside filled: the pixels whose centres
// lie within half the pen width of the rectangle between the corner pixels' pen centres. A pen of
// odd width is centred on its pixel, one of even width on the pixel's top-left corner, so a dot
// of width w always fits in w x w pixels; width 1 gives exactly the pixels between the corners.
void Canvas::fill_rounded_box(double x1, double y1, double x2, double y2, std::uint32_t pixel) {
    if (width_ == 0 || height_ == 0) return;
    const BoxRows& rows = box_rows(std::min(x1, x2), std::max(x1, x2), std::abs(y2 - y1));
    // Whole pixels add exactly, so the rows are those counted from the box's top.
    const double first = std::min(y1, y2) + rows.first_row;
    for (std::size_t k = 0; k < rows.spans.size(); ++k) {
        const double y = first + static_cast<double>(k);
        if (y < 0) continue;
        if (y >= height_) break;
        fill_span(static_cast<int>(y), rows.spans[k].first, rows.spans[k].last, pixel);
    }
}

const Canvas::BoxRows& Canvas::box_rows(double left, double right, double height) {
    const double c = draw_width_ % 2 == 1 ? 0.5 : 0.0;
    left += c;
    right += c;
    const std::vector<double>& reaches = pen_reaches(height);
    box_rows_.first_row = static_cast<int>(std::floor(c - draw_width_ / 2.0 - 1));
    box_rows_.spans.clear();
    for (const double reach : reaches) {
        const double first = std::ceil(left - reach - 0.5 - kSlack);
        const double last = std::floor(right + reach - 0.5 + kSlack);
        if (reach < 0 || first > last)
            box_rows_.spans.push_back({0, -1});
        else
            box_rows_.spans.push_back({static_cast<int>(first), static_cast<int>(last)});
    }
    return box_rows_;
}

// How far the pen reaches beyond a box's sides on each row, from the top row it may touch; -1
// for rows it misses. Kept for the last pen and height: the mosaic draws thousands of equal boxes.
const std::vector<double>& Canvas::pen_reaches(double height) {
    if (reaches_pen_ == draw_width_ && reaches_height_ == height) return reaches_;
    reaches_pen_ = draw_width_;
    reaches_height_ = height;
    const double r = draw_width_ / 2.0;
    const double c = draw_width_ % 2 == 1 ? 0.5 : 0.0;
    const double top = c, bottom = height + c;
    const double first = std::floor(top - r - 1), last = std::ceil(bottom + r + 1);
    reaches_.clear();
    for (double y = first; y <= last; ++y) {
        const double centre = y + 0.5;
        const double dy = std::max({top - centre, 0.0, centre - bottom});
        reaches_.push_back(dy > r + kSlack ? -1.0 : std::sqrt(std::max(squared(r) - squared(dy), 0.0)));
    }
    return reaches_;
}

// One pixel per step along the longer axis, only over the part that can be on the canvas.
void Canvas::thin_line(double x1, double y1, double x2, double y2, std::uint32_t pixel) {
    const double dx = x2 - x1, dy = y2 - y1;
    if (std::abs(dx) >= std::abs(dy)) {
        if (dx == 0) return fill_span(static_cast<int>(y1), x1, x1, pixel);
        const int first = static_cast<int>(std::max(std::min(x1, x2), 0.0));
        const int last = static_cast<int>(std::min(std::max(x1, x2), width_ - 1.0));
        for (int x = first; x <= last; ++x) {
            const double y = std::floor(y1 + (x - x1) * dy / dx + 0.5);
            if (y >= 0 && y < height_) {
                row(static_cast<int>(y))[x] = pixel;
                mark(x, static_cast<int>(y), 1, 1);
            }
        }
    } else {
        const int first = static_cast<int>(std::max(std::min(y1, y2), 0.0));
        const int last = static_cast<int>(std::min(std::max(y1, y2), height_ - 1.0));
        for (int y = first; y <= last; ++y) {
            const double x = std::floor(x1 + (y - y1) * dx / dy + 0.5);
            if (x >= 0 && x < width_) {
                row(y)[static_cast<int>(x)] = pixel;
                mark(static_cast<int>(x), y, 1, 1);
            }
        }
    }
}

// The round pen swept from one end to the other: pixels whose centres lie within half the pen
// width of the segment between the two pen centres (placed as for a dot).
void Canvas::thick_line(double x1, double y1, double x2, double y2, std::uint32_t pixel) {
    if (width_ == 0 || height_ == 0) return;
    const double r = draw_width_ / 2.0;
    const double c = draw_width_ % 2 == 1 ? 0.5 : 0.0;
    const double ax = x1 + c, ay = y1 + c, dx = x2 - x1, dy = y2 - y1;
    const double length2 = squared(dx) + squared(dy);
    const int first_row = static_cast<int>(std::max(std::floor(std::min(ay, ay + dy) - r - 1), 0.0));
    const int last_row = static_cast<int>(std::min(std::ceil(std::max(ay, ay + dy) + r + 1), height_ - 1.0));
    const int first_col = static_cast<int>(std::max(std::floor(std::min(ax, ax + dx) - r - 1), 0.0));
    const int last_col = static_cast<int>(std::min(std::ceil(std::max(ax, ax + dx) + r + 1), width_ - 1.0));
    // Only the pixels that take another colour count as changed: a stroke over its own ink (a
    // pencil's segments overlap) leaves nothing more to show or to keep for undo.
    int left = width_, right = -1, top = height_, bottom = -1;
    for (int y = first_row; y <= last_row; ++y) {
        std::uint32_t* r_pixels = row(y);
        for (int x = first_col; x <= last_col; ++x) {
            const double px = x + 0.5 - ax, py = y + 0.5 - ay;
            const double t = length2 == 0 ? 0.0 : std::clamp((px * dx + py * dy) / length2, 0.0, 1.0);
            if (squared(px - t * dx) + squared(py - t * dy) > squared(r) + kSlack || r_pixels[x] == pixel) continue;
            r_pixels[x] = pixel;
            left = std::min(left, x);
            right = std::max(right, x);
            top = std::min(top, y);
            bottom = y;
        }
    }
    if (right >= left) mark(left, top, right - left + 1, bottom - top + 1);
}

}  // namespace vis
