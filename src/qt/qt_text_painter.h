#pragma once
#include "ui/text_painter.h"

namespace vis {

// Text painted by Qt straight into the pixel buffer, which a QImage borrows for the purpose.
class QtTextPainter : public TextPainter {
public:
    DrawnLine draw_line(PixelSurface surface, int x, int y, const std::string& text, const Font& font,
                        Colour colour) override;
};

}  // namespace vis
