#include "qt/fonts.h"

#include "ui/face_stand_ins.h"

namespace vis {

void install_font_substitutes() {
    static const bool installed = [] {
        for (const FaceStandIns& face : face_stand_ins()) {
            QStringList fonts;
            for (const char* stand_in : face.stand_ins) fonts << QString::fromUtf8(stand_in);
            QFont::insertSubstitutions(QString::fromUtf8(face.name), fonts);
        }
        return true;
    }();
    (void)installed;
}

QStringList substituted_font_names() {
    QStringList names;
    for (const FaceStandIns& face : face_stand_ins()) names << QString::fromUtf8(face.name);
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
