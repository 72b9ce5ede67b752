#pragma once
#include "ui/text_metrics.h"

namespace vis {

class WindowSystem;

// Text measured with the fonts the windows draw with (stand-ins included), in twips.
class QtTextMetrics : public TextMetrics {
public:
    explicit QtTextMetrics(const WindowSystem& windows) : windows_(windows) {}
    TextSize measure(const std::string& text, const Font& font) const override;
    std::vector<std::string> font_names() const override;

private:
    const WindowSystem& windows_;
};

}  // namespace vis
