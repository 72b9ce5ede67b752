#pragma once
// Who made the program and whose the game is, as the splash window and the editor's stamp name
// them: the Vistelle developers as a group, and the game's rights in three parts.
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

// The three parts joined by `separator`: line breaks on the splash, nothing on the stamp.
inline std::string game_notice(std::string_view separator) {
    std::string text;
    for (const char* part : kGameNoticeParts) {
        if (!text.empty()) text += separator;
        text += part;
    }
    return text;
}

}  // namespace vis
