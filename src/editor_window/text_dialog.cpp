#include "editor_window/text_dialog.h"

#include <algorithm>

#include "editor/tool_geometry.h"
#include "editor_window/editor_window.h"

namespace vis {

namespace {

constexpr const char* kLoadingCaption = " フォント読み込み中...";
constexpr const char* kReadyCaption = " 文字";
constexpr const char* kPreferredFont = "ＭＳ Ｐゴシック";
// Larger sizes would ask the window system for glyphs bigger than any screenshot.
constexpr double kLargestSize = 999;

// The style list's index as font attributes; no selection (-1) leaves them as they are.
void apply_style(Font& font, int index) {
    if (index < 0) return;
    font.italic = index == 1 || index == 3;
    font.bold = index == 2 || index == 3;
}

}  // namespace

TextDialog::TextDialog(WindowOwner& windows)
    : Form(windows.platform().windows, "TextDialog", kLoadingCaption),
      txt_5(*this, "txt_5"),
      Label1(*this, "Label1", "フォント："),
      cmb_font(*this, "cmb_font"),
      Label3(*this, "Label3", "スタイル："),
      cmb_style(*this, "cmb_style"),
      Label2(*this, "Label2", "サイズ："),
      txt_size(*this, "txt_size", "10"),
      chk_outline(*this, "chk_outline", "縁取り"),
      cmd_ok(*this, "cmd_ok", "ＯＫ"),
      Timer1(*this, "Timer1", 1, true),
      windows_(windows) {
    set_client_size(4095, 1695);
    set_border_style(BorderStyle::fixed_dialog);
    txt_5.set_bounds({120, 120, 3855, 270});
    Label1.set_bounds({120, 480, 975, 255});
    cmb_font.set_bounds({1080, 480, 2895, 300});
    Label3.set_bounds({120, 840, 975, 255});
    cmb_style.set_bounds({1080, 840, 1695, 300});
    for (const char* style : {"標準", "斜体", "太字", "斜体＋太字"}) cmb_style.add_item(style);
    Label2.set_bounds({120, 1200, 975, 255});
    txt_size.set_bounds({1080, 1200, 855, 270});
    cmd_ok.set_bounds({3000, 1200, 975, 375});
    // In the free space between the size box and "ＯＫ"; kept while the program runs.
    chk_outline.set_bounds({2040, 1200, 900, 270});
    chk_outline.set_value(windows.kept().text_outline);

    on_query_unload = [this] { return on_close_request(); };
    Timer1.on_timer = [this] { load_fonts(); };
    cmb_font.on_click = [this] { font_chosen(); };
    cmb_style.on_click = [this] { style_chosen(); };
    txt_5.on_change = [this] { text_changed(); };
    txt_size.on_change = [this] { size_changed(); };
    cmd_ok.on_click = [this] { print_text(); };
    chk_outline.on_click = [this] { outline_switched(); };
}

EditorWindow* TextDialog::editor() const {
    return windows_.loaded<EditorWindow>();
}

double TextDialog::size_pt() const {
    return leading_number(txt_size.text());
}

TextSettings TextDialog::settings() const {
    const EditorWindow* e = editor();
    TextSettings settings = e != nullptr ? e->document().text() : TextSettings{};
    settings.text = txt_5.text();
    if (!cmb_font.text().empty()) settings.font.name = cmb_font.text();
    settings.font.size_pt = std::clamp(size_pt(), 1.0, kLargestSize);
    apply_style(settings.font, cmb_style.list_index());
    settings.outline = chk_outline.value();
    return settings;
}

void TextDialog::send() {
    if (EditorWindow* e = editor()) e->document().set_text(settings());
}

void TextDialog::load_fonts() {
    Timer1.set_timer_enabled(false);
    for (const std::string& name : windows_.platform().text.font_names()) cmb_font.add_item(name);
    // The preferred font if the system offers it, otherwise the last one. Choosing it directly
    // ends where selecting every entry in turn until it would: only the last choice shows.
    const auto& fonts = cmb_font.items();
    const auto preferred = std::find(fonts.begin(), fonts.end(), kPreferredFont);
    cmb_font.set_list_index(preferred != fonts.end() ? static_cast<int>(preferred - fonts.begin())
                                                     : cmb_font.count() - 1);
    cmb_style.set_list_index(0);
    txt_5.set_focus();
    send();
    set_caption(kReadyCaption);
}

void TextDialog::font_chosen() {
    if (cmb_font.list_index() >= 0) send();
}

void TextDialog::style_chosen() {
    send();
}

void TextDialog::text_changed() {
    send();
}

void TextDialog::size_changed() {
    const double size = size_pt();
    if (!(size >= 1)) {
        txt_size.set_text("1");
        return;
    }
    if (size > kLargestSize) {
        txt_size.set_text("999");
        return;
    }
    send();
}

void TextDialog::print_text() {
    if (EditorWindow* e = editor()) {
        e->document().set_text(settings());
        // The text waits, typed as it is, until an effect is done with the canvas.
        if (!e->document().insert_text(windows_.platform().painter)) return;
    }
    txt_5.set_text("");
    txt_5.set_focus();
    hide();
}

void TextDialog::outline_switched() {
    windows_.kept().text_outline = chk_outline.value();
    send();
}

bool TextDialog::on_close_request() {
    // The close box ends the dialog; the next opening loads the fonts again.
    windows_.unload<TextDialog>();
    return false;
}

}  // namespace vis
