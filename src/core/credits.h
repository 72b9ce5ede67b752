#pragma once
// Who made the program and whose the game is, as the splash window and the editor's stamp name
// them: the Vistelle developers as a group, and the game's rights in three parts.
#include <cstddef>
#include <string>
#include <string_view>

namespace vis {

inline constexpr const char* kCreditLine = "プログラム作成：Vistelle 開発チーム";
inline constexpr const char* kCopyrightLine = "Copyright (C) Vistelle developers";

inline constexpr const char* kGameNoticeParts[] = {
    "Pelmar Online の画像・音楽・名称の著作権は、ゲームの運営会社に帰属します。",
    "本ソフトウェアは運営会社とは関係のない非公式のツールです。",
    "本ソフトウェアについて運営会社へのお問い合わせはご遠慮ください。",
};

// The same rights in three short parts for the edit's stamp, which must fit the width of a
// screenshot at 8 points: the developer's, the operator's licence, the publisher's.
inline constexpr const char* kStampNoticeParts[] = {
    "(C) Pelmar Online 開発元 All rights reserved. ",
    "運営会社に独占的に許諾。",
    "発行元 All rights reserved.",
};

// Parts joined by `separator`: line breaks on the splash, nothing on the stamp.
template <std::size_t N>
std::string joined_notice(const char* const (&parts)[N], std::string_view separator) {
    std::string text;
    for (const char* part : parts) {
        if (!text.empty()) text += separator;
        text += part;
    }
    return text;
}

}  // namespace vis
