#pragma once
// The texts the viewer lays over the picture.
#include <string>

namespace vis {

// "n/t (bar)" for the n-th of t lines (n counted from 1): the bar is n * 10 / t characters "|"
// followed by "･" up to ten characters.
std::string counter_text(int n, int t);

// As many blanks as the text has characters (not bytes).
std::string blanks_for(const std::string& text);

}  // namespace vis
