#pragma once
// Text measured as GDI draws it on this screen, and the installed fonts.
#include "platform/text_metrics.h"

namespace vis::win32 {

class GdiTextMetrics : public TextMetrics {
public:
    TextSize measure(const std::string& text, const Font& font) const override;
    std::vector<std::string> font_names() const override;
};

}  // namespace vis::win32
