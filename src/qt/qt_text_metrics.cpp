#include "qt/qt_text_metrics.h"

#include <QFontDatabase>
#include <QFontMetricsF>
#include <algorithm>
#include <cmath>

#include "qt/fonts.h"
#include "ui/window_system.h"

namespace vis {

TextSize QtTextMetrics::measure(const std::string& text, const Font& font) const {
    const QFontMetricsF metrics(to_qfont(font));
    QString all = QString::fromStdString(text);
    all.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    const QStringList lines = all.split(QLatin1Char('\n'));
    qreal width = 0;
    for (const QString& line : lines) width = std::max(width, metrics.horizontalAdvance(line));
    // Whole pixels per line, so n lines are n times as high as one.
    const qreal height = std::ceil(metrics.lineSpacing()) * static_cast<qreal>(lines.size());
    const ScreenInfo s = windows_.screen();
    // Rounded up to whole pixels, so a label sized to its text never breaks a line.
    return {static_cast<int>(std::ceil(std::ceil(width) * s.twips_per_pixel_x)),
            static_cast<int>(std::ceil(height * s.twips_per_pixel_y))};
}

std::vector<std::string> QtTextMetrics::font_names() const {
    QStringList families = QFontDatabase::families();
    families << substituted_font_names();
    families.sort();
    families.removeDuplicates();
    std::vector<std::string> names;
    names.reserve(static_cast<std::size_t>(families.size()));
    for (const QString& f : families) names.push_back(f.toStdString());
    return names;
}

}  // namespace vis
