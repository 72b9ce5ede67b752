#pragma once
// Who made the program, as the splash window and the editor's stamp name them: the Vistelle
// developers as a group.

namespace vis {

inline constexpr const char* kCreditLine = "プログラム作成：Vistelle 開発チーム";
inline constexpr const char* kCopyrightLine = "Copyright (C) Vistelle developers";

}  // namespace vis
