#pragma once
// What a player sees of the splash at start-up, in the player's words: whether it shows and stays
// on top, its information and notice lines, and whether it will still change by itself.
#include <string>
#include <vector>

#include "splash/splash_window.h"

namespace vis::test {

class SplashSurface {
public:
    explicit SplashSurface(SplashWindow& window) : w_(window) {}
    SplashWindow& window() { return w_; }
    bool shown() const { return w_.visible(); }
    bool on_top() const { return w_.topmost(); }
    // The version, credit and copyright, and the notices under them, line by line.
    std::vector<std::string> information() const { return lines_of(w_.lbl_app_info.caption()); }
    std::vector<std::string> notices() const { return lines_of(w_.lbl_copyright.caption()); }
    // Whether it is still to go on top, or to go away checking the version again.
    bool still_to_change() const { return w_.tmr_pos.timer_enabled(); }

private:
    static std::vector<std::string> lines_of(const std::string& text) {
        std::vector<std::string> lines;
        for (std::size_t pos = 0;;) {
            const auto end = text.find("\r\n", pos);
            lines.push_back(text.substr(pos, end == std::string::npos ? std::string::npos : end - pos));
            if (end == std::string::npos) return lines;
            pos = end + 2;
        }
    }

    SplashWindow& w_;
};

}  // namespace vis::test
