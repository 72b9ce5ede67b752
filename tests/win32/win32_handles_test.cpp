// Every Windows service gives back the kernel handles it takes: after many rounds of each, a new
// handle lands where it landed before. (Wine counts no handles, but hands out the lowest free
// one, so a handle kept by a round moves every later one up.)
#include <gtest/gtest.h>

#include <windows.h>

#include <functional>

#include "catalogue/folder_listing.h"
#include "music/media_commands.h"
#include "services/file_ops.h"
#include "services/paths.h"
#include "services/whole_file.h"
#include "support/loopback_server.h"
#include "support/temp_folder.h"
#include "win32/gdi_text_metrics.h"
#include "win32/gdi_text_painter.h"
#include "win32/mci_media.h"
#include "win32/mutex_instance_guard.h"
#include "win32/win32_file_system.h"
#include "win32/wininet_http.h"

namespace vis {
namespace {

// Where the next handle lands.
HANDLE next_handle() {
    HANDLE probe = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    CloseHandle(probe);
    return probe;
}

TEST(Win32Handles, NoServiceKeepsAHandle) {
    test::TempFolder dir;
    win32::Win32FileSystem fs;
    const std::string file = join_path(dir.path(), "PelmarOnline_画像.jpg");
    const std::string other = join_path(dir.path(), "写し.jpg");
    test::LoopbackServer server(test::http_response("200 OK", "2.0.0"), 0);
    std::vector<std::uint32_t> pixels(64 * 16, 0xFFFFFFFFu);

    const struct {
        const char* what;
        std::function<void()> round;
    } services[] = {
        {"files",
         [&] {
             write_whole_file(fs, file, "shot");
             checked_copy(fs, file, other);
             safe_move(fs, other, join_path(dir.path(), "移動.jpg"));
             fs.remove(join_path(dir.path(), "移動.jpg"));
             fs.same_file(file, other);
             read_whole_file(file, 100);
             read_whole_file(join_path(dir.path(), "ない.jpg"), 100);
             std::vector<ListedFile> listed;
             list_folder(dir.path(), "PelmarOnline_*.jpg", listed);
             list_folder(join_path(dir.path(), "ない"), "*.jpg", listed);
         }},
        {"mutex", [&] { win32::MutexInstanceGuard(dir.path()).another_instance_running(); }},
        {"http",
         [&] {
             win32::WinInetHttp().get(server.url("/"), 2000);
             win32::WinInetHttp().get("http://127.0.0.1:1/", 500);
         }},
        {"media",
         [&] {
             std::string reply;
             win32::MciMedia media;
             media.send(media_command("open", file), reply);
             media.send(media_command("close", file), reply);
         }},
        {"text",
         [&] {
             win32::GdiTextPainter().draw_line({pixels.data(), 64, 16, 15.0}, 0, 0, "保存", Font{}, 0);
             win32::GdiTextMetrics().measure("保存\r\n保存", Font{});
         }},
    };
    for (const auto& s : services) {
        SCOPED_TRACE(s.what);
        // The first rounds may set up what the system keeps for the whole process.
        for (int i = 0; i < 3; ++i) s.round();
        const HANDLE before = next_handle();
        for (int i = 0; i < 20; ++i) s.round();
        EXPECT_EQ(next_handle(), before);
    }
}

}  // namespace
}  // namespace vis
