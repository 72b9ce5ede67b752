#pragma once
// Text measured as GDI draws it on this screen, and the installed fonts.
#include "ui/text_metrics.h"
#include "ui/window_system.h"

namespace vis::win32 {

class GdiTextMetrics : public TextMetrics {
public:
    // Measured at the DPI of the monitor `screen` reports; without one, at the system's.
    explicit GdiTextMetrics(const WindowSystem* screen = nullptr) : screen_(screen) {}

    TextSize measure(const std::string& text, const Font& font) const override;
    std::vector<std::string> font_names() const override;

private:
    int dpi() const;

    const WindowSystem* screen_;
};

}  // namespace vis::win32
