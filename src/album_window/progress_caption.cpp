#include "album_window/progress_caption.h"

#include <cmath>

namespace vis {

double album_progress(int done, int total) {
    return static_cast<double>(done) / (total + 1) * 100.0;
}

std::string percent_text(double percent) {
    // Tenths counted whole, so 0.05 and its kin round the same way on every library.
    const long long tenths = std::llround(percent * 10.0);
    const long long whole = tenths / 10;
    return (whole == 0 ? std::string() : std::to_string(whole)) + "." + std::to_string(tenths % 10);
}

std::string progress_caption(const std::string& prefix, int done, int total) {
    return prefix + std::to_string(done) + " / " + std::to_string(total) + " (" +
           percent_text(album_progress(done, total)) + "%)";
}

}  // namespace vis
