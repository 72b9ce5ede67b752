#include "editor_window/form6_sub1.h"

#include <algorithm>

#include "editor/tool_geometry.h"
#include "editor_window/form6.h"

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

Form6_Sub1::Form6_Sub1(Windows& windows)
    : Form(windows.platform().windows, "Form6_Sub1", kLoadingCaption),
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

    on_query_unload = [this] { return Form_QueryUnload(); };
    Timer1.on_timer = [this] { Timer1_Timer(); };
    cmb_font.on_click = [this] { cmb_font_Click(); };
    cmb_style.on_click = [this] { cmb_style_sub(); };
    txt_5.on_change = [this] { txt_5_Change(); };
    txt_size.on_change = [this] { txt_size_Change(); };
    cmd_ok.on_click = [this] { cmd_ok_Click(); };
    chk_outline.on_click = [this] { chk_outline_Click(); };
}

Form6* Form6_Sub1::editor() const {
    return windows_.loaded<Form6>();
}

double Form6_Sub1::size_pt() const {
    return leading_number(txt_size.text());
}

TextSettings Form6_Sub1::settings() const {
    const Form6* e = editor();
    TextSettings settings = e != nullptr ? e->document().text() : TextSettings{};
    settings.text = txt_5.text();
    if (!cmb_font.text().empty()) settings.font.name = cmb_font.text();
    settings.font.size_pt = std::clamp(size_pt(), 1.0, kLargestSize);
    apply_style(settings.font, cmb_style.list_index());
    settings.outline = chk_outline.value();
    return settings;
}

void Form6_Sub1::send() {
    if (Form6* e = editor()) e->document().set_text(settings());
}

void Form6_Sub1::Timer1_Timer() {
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

void Form6_Sub1::cmb_font_Click() {
    if (cmb_font.list_index() >= 0) send();
}

void Form6_Sub1::cmb_style_sub() {
    send();
}

void Form6_Sub1::txt_5_Change() {
    send();
}

void Form6_Sub1::txt_size_Change() {
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

void Form6_Sub1::cmd_ok_Click() {
    if (Form6* e = editor()) {
        e->document().set_text(settings());
        // The text waits, typed as it is, until an effect is done with the canvas.
        if (!e->document().insert_text(windows_.platform().painter)) return;
    }
    txt_5.set_text("");
    txt_5.set_focus();
    hide();
}

void Form6_Sub1::chk_outline_Click() {
    windows_.kept().text_outline = chk_outline.value();
    send();
}

bool Form6_Sub1::Form_QueryUnload() {
    // The close box ends the dialog; the next opening loads the fonts again.
    windows_.unload<Form6_Sub1>();
    return false;
}

}  // namespace vis
