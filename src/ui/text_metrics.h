#pragma once
// Measuring text as the screen draws it, and the list of installed fonts.
#include <string>
#include <vector>

#include "ui/font.h"

namespace vis {

class Label;

struct TextSize {
    int width = 0;   // twips
    int height = 0;  // twips
};

class TextMetrics {
public:
    virtual ~TextMetrics() = default;
    // Size of a (possibly multi-line, CR LF separated) text in the font, in twips.
    virtual TextSize measure(const std::string& text, const Font& font) const = 0;
    virtual std::vector<std::string> font_names() const = 0;
};

// Sizes a label to its caption, keeping its top-left corner.
void fit_to_text(Label& label, const TextMetrics& metrics);

}  // namespace vis
