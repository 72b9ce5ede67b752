#pragma once
// The editor's drawing surface: a screenshot to draw on, with the drawing state of a picture box
// (pen width, current point, font and text colour). Everything drawn persists in
// the canvas image until clear() brings back the background picture.
//
// Coordinates are twips from the top-left corner (or pixels while the scale mode says so); an
// operation affects the pixel that contains the point, and whatever falls outside is clipped.
// Colours are the program's values (red + 256 * green + 65536 * blue).
#include <cstdint>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "ui/colour.h"
#include "ui/font.h"
#include "ui/picture.h"

namespace vis {

class TextPainter;

enum class ScaleMode { twips, pixels };

class Canvas {
public:
    explicit Canvas(double twips_per_pixel = 15.0);
    // One surface, one owner: a copy would draw into the surface another canvas shows.
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;
    Canvas(Canvas&&) = default;
    Canvas& operator=(Canvas&&) = default;

    // Twips per pixel of the picture. Values of 0 or below are ignored.
    double twips_per_pixel() const { return twips_per_pixel_; }
    // On a scaled screen the picture shows one pixel per device pixel, so a picture pixel is the
    // screen's twips per pixel divided by the device-pixel ratio. What is measured in screen
    // pixels (the mosaic's sampling step, the stamp) asks for the ratio.
    void set_screen(double screen_twips_per_pixel, double device_pixel_ratio);
    double pixel_ratio() const { return pixel_ratio_; }
    ScaleMode scale_mode() const { return scale_mode_; }
    void set_scale_mode(ScaleMode mode) { scale_mode_ = mode; }

    // The canvas takes the picture's size and shows it; an empty picture gives an empty canvas.
    void set_background(const Picture& picture);
    int width_px() const { return width_; }
    int height_px() const { return height_; }
    int width() const;  // twips
    int height() const;

    // A snapshot: later drawing does not change it.
    Picture image() const;
    // The drawing surface itself, for showing it: later drawing changes it in place, and
    // take_changed() tells where. After a crop its buffer holds more than its width times its
    // height. A new background gives a new surface; the old one stays valid for whoever still
    // holds it.
    Picture live() const;
    // Counts the pictures the canvas was given: work planned for one picture checks it before
    // writing, since events run meanwhile may have opened another.
    std::uint64_t picture_count() const { return picture_count_; }
    // The pixels written since the last call, as one rectangle.
    PixelRect take_changed() { return std::exchange(changed_, PixelRect{}); }
    void clear();

    // The surface's size and where its top-left pixel lies on the background: what a crop
    // changes.
    struct Frame {
        int width = 0;
        int height = 0;
        int left = 0;
        int top = 0;
        bool operator==(const Frame&) const = default;
    };
    Frame frame() const { return {width_, height_, background_left_, background_top_}; }
    // Keeps only the pixels in `r` (pixels, cut to the canvas), moved in place to the top-left
    // corner, over the same background. False, changing nothing, when `r` misses the canvas or
    // holds all of it. Still the same picture: picture_count() stays.
    bool crop(const PixelRect& r);
    // The surface takes that size and place again, in place; its pixels are then the caller's to
    // write (row()).
    void set_frame(const Frame& frame);

    int draw_width() const { return draw_width_; }
    // Pixels; a width below 1 counts as 1.
    void set_draw_width(int pixels);

    void set_current_point(double x, double y);

    // A round dot as wide as the pen; moves the current point there.
    void pset(double x, double y, Colour colour);
    // Lines as thick as the pen, both ends included; they move the current point to their end.
    void line_to(double x, double y, Colour colour);
    void line(double x1, double y1, double x2, double y2, Colour colour);
    // A filled box from a corner over a width and height (either may be negative), both ends
    // included, outlined with the pen (so a wide pen makes it larger, with rounded corners);
    // moves the current point to the far corner.
    void box_sized(double x, double y, double width, double height, Colour colour);

    const Font& font() const { return font_; }
    void set_font(Font font) { font_ = std::move(font); }
    Colour text_colour() const { return text_colour_; }
    void set_text_colour(Colour colour) { text_colour_ = colour; }
    // Prints one line with its top-left corner at the current point, which then moves to the start
    // of the next line (left edge, one line lower), as printing a line does.
    void print(const std::string& text, TextPainter& painter);
    // A rim `width` pixels wide in `colour` around the line print() would draw at the current
    // point, without the line itself (see draw_text_rim). The current point stays.
    void print_rim(const std::string& text, TextPainter& painter, Colour colour, int width);

    // For work over whole rows (the effects), giving the pixels that pset() with a pen of 1
    // would: the pixel column or row that a coordinate falls in, in the current scale
    // mode (possibly off the canvas); row y (0 <= y < height) as 0xFFRRGGBB values; and a note
    // of what was written there, for take_changed(). A new background replaces the rows.
    double to_px(double v) const;
    std::uint32_t* row(int y) { return pixels_->data() + static_cast<std::size_t>(y) * width_; }
    const std::uint32_t* row(int y) const { return pixels_->data() + static_cast<std::size_t>(y) * width_; }
    void mark(int left, int top, int width, int height);
    // The pixels box_sized() covers with the current pen, for drawing many equal boxes straight into the
    // rows: for a box from pixel column `left` to `right`, `height` pixels tall, one span of
    // columns per row, the first row `first_row` rows from the box's top row. Spans are not cut
    // to the canvas, so a box's shape is the same wherever it lies; rows the pen misses have
    // first > last. The answer is kept only until the next call or drawing.
    struct ColumnSpan {
        int first;
        int last;
    };
    struct BoxRows {
        int first_row = 0;
        std::vector<ColumnSpan> spans;
    };
    const BoxRows& box_rows(double left, double right, double height);

private:
    void box(double x1, double y1, double x2, double y2, Colour colour);
    double from_px(double px) const;
    void fill_span(int y, double first, double last, std::uint32_t pixel);
    void fill_rounded_box(double x1, double y1, double x2, double y2, std::uint32_t pixel);
    const std::vector<double>& pen_reaches(double height);
    void thin_line(double x1, double y1, double x2, double y2, std::uint32_t pixel);
    void thick_line(double x1, double y1, double x2, double y2, std::uint32_t pixel);

    double twips_per_pixel_;
    double pixel_ratio_ = 1.0;
    ScaleMode scale_mode_ = ScaleMode::twips;
    Picture background_;
    // Where the surface's top-left pixel lies on the background.
    int background_left_ = 0;
    int background_top_ = 0;
    int width_ = 0;
    int height_ = 0;
    std::shared_ptr<std::vector<std::uint32_t>> pixels_ = std::make_shared<std::vector<std::uint32_t>>();
    PixelRect changed_;
    std::uint64_t picture_count_ = 0;
    int reaches_pen_ = 0;
    double reaches_height_ = -1;
    std::vector<double> reaches_;
    BoxRows box_rows_;
    int draw_width_ = 1;
    double current_x_ = 0;
    double current_y_ = 0;
    Font font_;
    Colour text_colour_ = rgb(0, 0, 0);
};

}  // namespace vis
