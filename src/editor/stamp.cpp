#include "editor/stamp.h"

namespace vis {

void stamp_notices(Canvas& canvas, TextPainter& painter, const std::string& first, const std::string& second) {
    const Font font = canvas.font();
    const Colour colour = canvas.text_colour();
    Font stamp;
    stamp.name = "ＭＳ Ｐゴシック";
    stamp.size_pt = 8;
    canvas.set_font(stamp);
    canvas.set_text_colour(rgb(255, 255, 255));
    const double w = canvas.width(), h = canvas.height();
    canvas.set_current_point(w - 5300, h - 400);
    canvas.print(first, painter);
    canvas.set_current_point(w - 9400, h - 220);
    canvas.print(second, painter);
    canvas.set_font(font);
    canvas.set_text_colour(colour);
}

}  // namespace vis
