#include "platform/qt/qt_text_painter.h"

#include <QFontMetricsF>
#include <QImage>
#include <QPainter>
#include <cmath>

#include "platform/qt/colours.h"
#include "platform/qt/fonts.h"

namespace vis {

PixelSize QtTextPainter::draw_line(PixelSurface surface, int x, int y, const std::string& text, const Font& font,
                                   Colour colour) {
    install_font_substitutes();
    const bool drawable = surface.pixels != nullptr && surface.width > 0 && surface.height > 0;
    // Nothing to draw on still has a size to measure with.
    QImage image = drawable ? QImage(reinterpret_cast<uchar*>(surface.pixels), surface.width, surface.height,
                                     static_cast<qsizetype>(surface.width) * 4, QImage::Format_RGB32)
                            : QImage(1, 1, QImage::Format_RGB32);
    // The buffer's resolution decides how many pixels a point is (1440 twips an inch).
    const double tpp = surface.twips_per_pixel > 0 ? surface.twips_per_pixel : 15.0;
    const int dots_per_metre = static_cast<int>(std::lround(1440.0 / tpp / 0.0254));
    image.setDotsPerMeterX(dots_per_metre);
    image.setDotsPerMeterY(dots_per_metre);

    const QFont qfont = to_qfont(font);
    const QString line = QString::fromStdString(text);
    const QFontMetricsF metrics(qfont, &image);
    const PixelSize size{static_cast<int>(std::ceil(metrics.horizontalAdvance(line))),
                         static_cast<int>(std::ceil(metrics.lineSpacing()))};
    if (!drawable || line.isEmpty()) return size;

    QPainter painter(&image);
    painter.setFont(qfont);
    painter.setPen(to_qcolor(colour));
    painter.drawText(QPointF(x, y + metrics.ascent()), line);
    painter.end();
    return size;
}

}  // namespace vis
