#pragma once
#include <string>

namespace vis {

struct Font {
    std::string name = "ＭＳ Ｐゴシック";
    double size_pt = 9.0;
    bool bold = false;
    bool italic = false;
    bool underline = false;

    bool operator==(const Font&) const = default;
};

}  // namespace vis
