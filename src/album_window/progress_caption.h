#pragma once
// The album window's captions while it works through a list: "読み込み中... 3 / 7 (37.5%)".
#include <string>

namespace vis {

// Item `done` of `total` (1-based) as the album window counts: (done / (total + 1)) x 100, so
// the bar stays short of full.
double album_progress(int done, int total);

// A percentage with one decimal and no leading zero: 50 gives "50.0", 0.5 gives ".5".
std::string percent_text(double percent);

// `prefix` + done + " / " + total + " (" + percent + "%)".
std::string progress_caption(const std::string& prefix, int done, int total);

}  // namespace vis
