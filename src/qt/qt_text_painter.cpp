#include "qt/qt_text_painter.h"

#include <QFontMetricsF>
#include <QImage>
#include <QPainter>
#include <cmath>
#include <cstdint>
#include <vector>

#include "qt/colours.h"
#include "qt/fonts.h"

namespace vis {

namespace {

// A QImage of the buffer's resolution over `pixels`, or a pixel of its own to measure with.
QImage image_over(std::uint32_t* pixels, int width, int height, double twips_per_pixel) {
    QImage image = pixels != nullptr ? QImage(reinterpret_cast<uchar*>(pixels), width, height,
                                              static_cast<qsizetype>(width) * 4, QImage::Format_RGB32)
                                     : QImage(1, 1, QImage::Format_RGB32);
    // The buffer's resolution decides how many pixels a point is (1440 twips an inch).
    const double tpp = twips_per_pixel > 0 ? twips_per_pixel : 15.0;
    const int dots_per_metre = static_cast<int>(std::lround(1440.0 / tpp / 0.0254));
    image.setDotsPerMeterX(dots_per_metre);
    image.setDotsPerMeterY(dots_per_metre);
    return image;
}

}  // namespace

DrawnLine QtTextPainter::draw_line(PixelSurface surface, int x, int y, const std::string& text, const Font& font,
                                   Colour colour) {
    install_font_substitutes();
    const QImage measuring = image_over(nullptr, 1, 1, surface.twips_per_pixel);
    const QFont qfont = to_qfont(font);
    const QString line = QString::fromStdString(text);
    const QFontMetricsF metrics(qfont, &measuring);
    DrawnLine drawn{static_cast<int>(std::ceil(metrics.horizontalAdvance(line))),
                    static_cast<int>(std::ceil(metrics.lineSpacing())),
                    {}};
    if (line.isEmpty()) return drawn;

    // Drawn into a copy of what the line may reach, so that what it really changed is known.
    const QRectF ink = metrics.boundingRect(line).translated(x, y + metrics.ascent());
    const PixelRect reach =
        united(text_reach(surface, x, y, drawn.width, drawn.height),
               text_reach(surface, static_cast<int>(std::floor(ink.left())), static_cast<int>(std::floor(ink.top())),
                          static_cast<int>(std::ceil(ink.width())), static_cast<int>(std::ceil(ink.height()))));
    if (reach.empty()) return drawn;
    std::vector<std::uint32_t> copy = copy_out(surface, reach);
    QImage image = image_over(copy.data(), reach.width, reach.height, surface.twips_per_pixel);
    QPainter painter(&image);
    painter.setFont(qfont);
    painter.setPen(to_qcolor(colour));
    painter.drawText(QPointF(x - reach.left, y - reach.top + metrics.ascent()), line);
    painter.end();
    drawn.changed = put_back(surface, reach, copy.data());
    return drawn;
}

}  // namespace vis
