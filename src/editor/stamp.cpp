#include "editor/stamp.h"

namespace vis {

void stamp_notices(Canvas& canvas, TextPainter& painter, const std::string& first, const std::string& second) {
    const Font font = canvas.font();
    const Colour colour = canvas.text_colour();
    // Measured in screen twips, so a saved edit carries the same stamp whatever the screen's
    // scale: on a scaled screen a picture pixel is worth fewer twips.
    const double k = 1 / canvas.pixel_ratio();
    Font stamp;
    stamp.name = "ＭＳ Ｐゴシック";
    stamp.size_pt = 8 * k;
    canvas.set_font(stamp);
    canvas.set_text_colour(rgb(255, 255, 255));
    const double w = canvas.width(), h = canvas.height();
    canvas.set_current_point(w - 5300 * k, h - 400 * k);
    canvas.print(first, painter);
    canvas.set_current_point(w - 9400 * k, h - 220 * k);
    canvas.print(second, painter);
    canvas.set_font(font);
    canvas.set_text_colour(colour);
}

}  // namespace vis
