#pragma once
// The Japanese faces the windows ask for by name, each with the installed faces that stand in
// where it is missing, best first: Debian's IPA fonts, then other common Japanese fonts. Both
// systems use them, so text is drawn in a real Japanese face, never in a Latin fallback.
#include <span>
#include <string_view>

namespace vis {

struct FaceStandIns {
    const char* name;
    std::span<const char* const> stand_ins;
};

inline std::span<const FaceStandIns> face_stand_ins() {
    static constexpr const char* gothic[] = {"IPAGothic", "IPAexGothic", "Noto Sans Mono CJK JP", "TakaoGothic",
                                             "VL Gothic"};
    static constexpr const char* p_gothic[] = {"IPAPGothic", "IPAexGothic", "Noto Sans CJK JP", "TakaoPGothic",
                                               "VL PGothic"};
    static constexpr const char* mincho[] = {"IPAMincho", "IPAexMincho", "Noto Serif CJK JP", "TakaoMincho"};
    static constexpr const char* p_mincho[] = {"IPAPMincho", "IPAexMincho", "Noto Serif CJK JP", "TakaoPMincho"};
    static constexpr FaceStandIns table[] = {
        {"ＭＳ ゴシック", gothic},
        {"ＭＳ Ｐゴシック", p_gothic},
        {"ＭＳ 明朝", mincho},
        {"ＭＳ Ｐ明朝", p_mincho},
    };
    return table;
}

// The stand-ins for `name`, or none for a face the program does not replace.
inline std::span<const char* const> stand_ins_for(std::string_view name) {
    for (const FaceStandIns& face : face_stand_ins())
        if (name == face.name) return face.stand_ins;
    return {};
}

}  // namespace vis
