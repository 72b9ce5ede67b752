// A long session on the headless backend over real files: 10,000 viewer steps over 500
// screenshots, 1,000 openings and closings of the viewer and 1,000 rebuilds of the lists.
// Resident memory after them may lie at most 5 MB above what it was after the first 100 of
// each, and every file handle opened meanwhile must be closed again. Prints the figures; exits
// with 1 when a limit is passed.
#include <cstdio>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <string>

#include "main_window/main_window.h"
#include "support/app_fixture.h"
#include "support/headless.h"
#include "viewer/viewer_window.h"

namespace {

using namespace vis;

constexpr int kShots = 500;
constexpr int kSteps = 10'000;
constexpr int kOpenings = 1'000;
constexpr int kRebuilds = 1'000;
constexpr int kWarmUp = 100;
constexpr long kMostGrowthKb = 5 * 1024;

long resident_kb() {
    std::ifstream status("/proc/self/status");
    std::string key;
    long kb = -1;
    while (status >> key) {
        if (key == "VmRSS:") {
            status >> kb;
            break;
        }
        status.ignore(1 << 12, '\n');
    }
    return kb;
}

int open_handles() {
    int n = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator("/proc/self/fd")) ++n;
    return n;
}

struct Session {
    test::App app;
    MainWindow* f = nullptr;
    int row = 0;
    int direction = 1;

    Session() {
        app.folders.write_settings("1", "0");
        // 800 x 600 pictures of distinct colours, a minute apart.
        for (int i = 0; i < kShots; ++i) {
            char name[64];
            std::snprintf(name, sizeof name, "PelmarOnline_2006115_%05d.jpg", i);
            app.folders.add_shot(name, 1'165'000'000 + 60 * i, 800, 600, rgb(i % 256, (i * 7) % 256, (i * 13) % 256));
        }
        f = &app.start();
    }

    // Steps through the list in use, turning at either end.
    void steps(int n) {
        ViewerWindow& v = test::win<ViewerWindow>(*f);
        if (!v.visible()) test::dbl_click(f->img_pre);
        for (int i = 0; i < n; ++i) {
            if (row + direction < 0 || row + direction >= kShots) direction = -direction;
            direction > 0 ? v.show_next() : v.show_previous();
            row += direction;
        }
        test::dbl_click(v.img_view);
    }

    void openings(int n) {
        for (int i = 0; i < n; ++i) {
            test::dbl_click(f->img_pre);
            test::dbl_click(test::win<ViewerWindow>(*f).img_view);
        }
    }

    void rebuilds(int n) {
        for (int i = 0; i < n; ++i) f->relist();
        row = 0;
        direction = 1;
    }

    void settle() {
        f->decode_ahead().wait_idle();
        app.plat.windows.advance(10'000);  // lets the viewer's fade timer run out
    }
};

}  // namespace

int main() {
    Session s;
    s.steps(kWarmUp);
    s.openings(kWarmUp);
    s.rebuilds(kWarmUp);
    s.settle();
    const long rss_start = resident_kb();
    const int fds_start = open_handles();

    s.steps(kSteps - kWarmUp);
    s.openings(kOpenings - kWarmUp);
    s.rebuilds(kRebuilds - kWarmUp);
    s.settle();
    const long rss_end = resident_kb();
    const int fds_end = open_handles();

    const bool shown_right = s.f->file_lst.count() == kShots && !s.f->img_pre.picture().empty();
    std::printf("resident memory after the first %d of each: %ld kB\n", kWarmUp, rss_start);
    std::printf("resident memory after %d steps, %d openings, %d rebuilds: %ld kB (%+ld kB, limit %+ld kB)\n", kSteps,
                kOpenings, kRebuilds, rss_end, rss_end - rss_start, kMostGrowthKb);
    std::printf("open file handles: %d before, %d after\n", fds_start, fds_end);
    std::printf("list and preview still right: %s\n", shown_right ? "yes" : "no");
    return rss_end - rss_start <= kMostGrowthKb && fds_end <= fds_start && shown_right ? 0 : 1;
}
