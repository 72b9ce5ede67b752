#pragma once
// What the program says of itself.
namespace vis {

inline constexpr const char* kVersion = "2.00";
// The title a message box shows when the program gives it none.
inline constexpr const char* kAppTitle = "Pelmar online - Vistelle";

}  // namespace vis
