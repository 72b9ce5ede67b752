#pragma once
#include <string>

namespace vis {

struct Font {
    std::string name = "ＭＳ Ｐゴシック";
    double size_pt = 9.0;
    bool bold = false;
    bool italic = false;

    bool operator==(const Font&) const = default;
};

// The fixed-width Japanese font the windows ask for ("ＭＳ ゴシック").
inline Font ms_gothic(double size_pt = 9.0, bool bold = false) {
    Font f;
    f.name = "ＭＳ ゴシック";
    f.size_pt = size_pt;
    f.bold = bold;
    return f;
}

}  // namespace vis
