#include "main_surface.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <stdexcept>

#include "catalogue/list_line.h"
#include "support/app_fixture.h"
#include "ui/keys.h"

namespace vis::test {

namespace {
// A caption as the player reads it: "画像を保存(&S)" reads "画像を保存".
std::string read_as(const std::string& caption) {
    std::string text = caption;
    const auto at = text.find("(&");
    if (at != std::string::npos && at + 3 < text.size() && text[at + 3] == ')') text.erase(at, 4);
    return text;
}

Menu* entry_named(const std::vector<Menu*>& entries, const std::string& caption) {
    for (Menu* e : entries)
        if (read_as(e->caption()) == caption) return e;
    return nullptr;
}
}  // namespace

std::string MainSurface::chosen_line() const {
    return chosen() < 0 ? std::string() : shown().item(chosen());
}

void expect_no_screenshot(MainSurface& m) {
    EXPECT_EQ(m.count(), 0);
    EXPECT_TRUE(m.newest_first().empty());
    EXPECT_EQ(m.chosen(), -1);
    EXPECT_FALSE(m.enabled(entry::kSave));
    EXPECT_FALSE(m.enabled(entry::kClipboard));
    EXPECT_TRUE(m.preview().empty());
    EXPECT_EQ(m.panel(), kHintLines);
}

std::string name_and_date_of(const std::string& line) {
    return "ファイル名：" + line_name(line) + "\r\n保存日時　：" + line_date(line);
}

std::string MainSurface::chosen_name() const {
    return chosen() < 0 ? std::string() : line_name(chosen_line());
}

std::string MainSurface::name_at(int row) const {
    return line_name(shown().item(row));
}

std::string MainSurface::chosen_file() const {
    const auto file = w_.lists().selected();
    return file ? w_.lists().path_of(*file) : std::string();
}

std::string MainSurface::order_shown() const {
    const bool newest = w_.lists().newest_first();
    if (w_.file_sort.visible() == newest && w_.file_lst.visible() == !newest && w_.img_sort_down.visible() == newest &&
        w_.img_sort_up.visible() == !newest)
        return newest ? "newest first" : "oldest first";
    return "mixed";
}

ViewerSurface MainSurface::view(int row) {
    choose(row);
    double_click_list();
    return viewer();
}

bool MainSurface::viewer_open() const {
    const ViewerWindow* v = w_.windows().loaded<ViewerWindow>();
    return v != nullptr && v->visible();
}

void MainSurface::switch_order() {
    click(w_.lists().newest_first() ? w_.img_sort_down : w_.img_sort_up);
}

void MainSurface::delete_chosen() {
    prompts_.answer_message(MsgResult::yes);
    press(key::kDelete);
}

SettingsSurface MainSurface::settings() {
    return {w_.windows().get<SettingsDialog>(), prompts_};
}

SettingsSurface MainSurface::open_settings() {
    choose_menu(entry::kSettings);
    return settings();
}

BulkSurface MainSurface::open_bulk(const std::string& entry) {
    choose_menu(entry);
    return {w_.windows().get<BulkWindow>(), prompts_};
}

AlbumSurface MainSurface::open_album() {
    choose_menu(entry::kAlbum);
    return AlbumSurface(w_.windows().get<AlbumWindow>());
}

std::string MainSurface::panel_position() const {
    const std::string text = panel();
    const auto at = text.find("　　(");
    return at == std::string::npos ? std::string() : text.substr(at, text.find("\r\n", at) - at);
}

Menu& MainSurface::menu(const std::string& path) {
    const std::vector<Menu*>* entries = &w_.menu_bar();
    Menu* found = nullptr;
    for (std::size_t from = 0; from <= path.size();) {
        const auto to = std::min(path.find('/', from), path.size());
        found = entry_named(*entries, path.substr(from, to - from));
        if (found == nullptr) throw std::invalid_argument("the main window has no menu entry " + path);
        entries = &found->entries();
        from = to + 1;
    }
    return *found;
}

}  // namespace vis::test
