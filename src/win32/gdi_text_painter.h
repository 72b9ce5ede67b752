#pragma once
// Text drawn into the canvas by GDI, the system's own text renderer.
#include "ui/text_painter.h"

namespace vis::win32 {

class GdiTextPainter : public TextPainter {
public:
    DrawnLine draw_line(PixelSurface surface, int x, int y, const std::string& text, const Font& font,
                        Colour colour) override;
};

}  // namespace vis::win32
