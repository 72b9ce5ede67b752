#include "platform/qt/fonts.h"

#include <utility>
#include <vector>

namespace vis {

namespace {

using Substitutes = std::vector<std::pair<QString, QStringList>>;

// Best first: the IPA fonts of Debian's fonts-ipafont-*, then other common Japanese fonts.
const Substitutes& substitutes() {
    static const Substitutes table{
        {QStringLiteral("ＭＳ ゴシック"),
         {"IPAGothic", "IPAexGothic", "Noto Sans Mono CJK JP", "TakaoGothic", "VL Gothic"}},
        {QStringLiteral("ＭＳ Ｐゴシック"),
         {"IPAPGothic", "IPAexGothic", "Noto Sans CJK JP", "TakaoPGothic", "VL PGothic"}},
        {QStringLiteral("ＭＳ 明朝"), {"IPAMincho", "IPAexMincho", "Noto Serif CJK JP", "TakaoMincho"}},
        {QStringLiteral("ＭＳ Ｐ明朝"), {"IPAPMincho", "IPAexMincho", "Noto Serif CJK JP", "TakaoPMincho"}},
    };
    return table;
}

}  // namespace

void install_font_substitutes() {
    static const bool installed = [] {
        for (const auto& [name, fonts] : substitutes()) QFont::insertSubstitutions(name, fonts);
        return true;
    }();
    (void)installed;
}

QStringList substituted_font_names() {
    QStringList names;
    for (const auto& entry : substitutes()) names << entry.first;
    return names;
}

QFont to_qfont(const Font& font) {
    QFont f(QString::fromStdString(font.name));
    if (font.size_pt > 0) f.setPointSizeF(font.size_pt);
    f.setBold(font.bold);
    f.setItalic(font.italic);
    return f;
}

}  // namespace vis
