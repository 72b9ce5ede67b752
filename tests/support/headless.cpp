#include "headless.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <limits>

#include "services/paths.h"
#include "services/whole_file.h"
#include "ui/control.h"
#include "ui/keys.h"
#include "ui/menu.h"

namespace vis::test {

// --- window system

void HeadlessWindowSystem::add_form(Form& f) {
    forms_.push_back(&f);
}

void HeadlessWindowSystem::remove_form(Form& f) {
    forms_.erase(std::remove(forms_.begin(), forms_.end(), &f), forms_.end());
    for (auto it = scheduled_.begin(); it != scheduled_.end();) {
        if (it->second.owner == &f)
            it = scheduled_.erase(it);
        else
            ++it;
    }
}

void HeadlessWindowSystem::post(std::function<void()> task) {
    const std::lock_guard lock(posted_mutex_);
    posted_.push_back(std::move(task));
}

int HeadlessWindowSystem::run_posted() {
    std::vector<std::function<void()>> now;
    {
        const std::lock_guard lock(posted_mutex_);
        now.swap(posted_);
    }
    for (auto& task : now)
        if (!quitting_) task();
    return static_cast<int>(now.size());
}

void HeadlessWindowSystem::do_events() {
    run_posted();
    // Only what waited so far: an action that queues another leaves it for the next call.
    auto waiting = std::move(queued_);
    queued_.clear();
    for (auto& action : waiting)
        if (!quitting_) action();
}

std::vector<Timer*> HeadlessWindowSystem::all_timers() const {
    std::vector<Timer*> timers;
    for (Form* f : forms_)
        for (Control* c : f->controls())
            if (c->kind() == ControlKind::timer) timers.push_back(static_cast<Timer*>(c));
    return timers;
}

void HeadlessWindowSystem::sync_timers() {
    const auto timers = all_timers();
    for (auto it = scheduled_.begin(); it != scheduled_.end();) {
        if (std::find(timers.begin(), timers.end(), it->first) == timers.end())
            it = scheduled_.erase(it);
        else
            ++it;
    }
    for (Timer* t : timers) {
        auto it = scheduled_.find(t);
        if (it == scheduled_.end() || it->second.generation != t->generation()) {
            scheduled_[t] = {t->generation(), now_ + std::max(0, t->interval()), &t->form()};
        }
    }
}

void HeadlessWindowSystem::advance(std::int64_t ms) {
    const std::int64_t target = now_ + ms;
    sync_timers();
    while (!quitting_) {
        Timer* next = nullptr;
        std::int64_t due = std::numeric_limits<std::int64_t>::max();
        for (Timer* t : all_timers()) {
            if (!t->timer_enabled() || t->interval() <= 0) continue;
            const auto& s = scheduled_[t];
            if (s.due < due) {
                due = s.due;
                next = t;
            }
        }
        if (next == nullptr || due > target) break;
        now_ = std::max(now_, due);
        const auto gen = next->generation();
        if (next->on_timer) next->on_timer();
        // A timer that was not touched by its own tick counts on from this tick.
        auto it = scheduled_.find(next);
        if (it != scheduled_.end() && next->generation() == gen) it->second.due = now_ + next->interval();
        sync_timers();
    }
    if (!quitting_) now_ = target;
}

// --- prompts

MsgResult ScriptedPrompts::message_box(const MessageBox& box) {
    AskedPrompt a{AskedPrompt::Kind::message, box, {}, {}, 0, 0};
    asked_.push_back(a);
    if (messages_.empty()) {
        ADD_FAILURE() << "unexpected message box: [" << box.title << "] " << box.text;
        return box.buttons == MsgButtons::ok ? MsgResult::ok : MsgResult::cancel;
    }
    const MsgResult r = messages_.front();
    messages_.pop_front();
    return r;
}

std::optional<std::string> ScriptedPrompts::save_file(const FileDialog& dialog) {
    asked_.push_back({AskedPrompt::Kind::save, {}, dialog, {}, 0, 0});
    if (saves_.empty()) {
        ADD_FAILURE() << "unexpected save dialog: " << dialog.title;
        return std::nullopt;
    }
    auto r = saves_.front();
    saves_.pop_front();
    return r;
}

std::optional<std::string> ScriptedPrompts::open_file(const FileDialog& dialog) {
    asked_.push_back({AskedPrompt::Kind::open, {}, dialog, {}, 0, 0});
    if (opens_.empty()) {
        ADD_FAILURE() << "unexpected open dialog: " << dialog.title;
        return std::nullopt;
    }
    auto r = opens_.front();
    opens_.pop_front();
    return r;
}

std::optional<Colour> ScriptedPrompts::choose_colour(Colour, const Form*) {
    asked_.push_back({AskedPrompt::Kind::colour, {}, {}, {}, 0, 0});
    if (colours_.empty()) {
        ADD_FAILURE() << "unexpected colour dialog";
        return std::nullopt;
    }
    auto r = colours_.front();
    colours_.pop_front();
    return r;
}

namespace {
Menu* find_entry(Menu& menu, const std::string& name) {
    for (Menu* e : menu.entries()) {
        if (e->name() == name) return e;
        if (Menu* inner = find_entry(*e, name)) return inner;
    }
    return nullptr;
}
}  // namespace

void ScriptedPrompts::popup_menu(Menu& menu, Form&, int x, int y) {
    asked_.push_back({AskedPrompt::Kind::popup, {}, {}, menu.name(), x, y});
    if (popups_.empty()) {
        ADD_FAILURE() << "unexpected pop-up menu: " << menu.name();
        return;
    }
    const std::string choice = popups_.front();
    popups_.pop_front();
    if (choice.empty()) return;
    Menu* entry = find_entry(menu, choice);
    if (entry == nullptr) {
        ADD_FAILURE() << "pop-up menu " << menu.name() << " has no entry " << choice;
        return;
    }
    click_menu(*entry);
}

ScriptedPrompts::~ScriptedPrompts() {
    if (!all_answered())
        ADD_FAILURE() << "scripted answers left unused: " << messages_.size() << " message boxes, " << saves_.size()
                      << " save dialogs, " << opens_.size() << " open dialogs, " << colours_.size()
                      << " colour dialogs, " << popups_.size() << " pop-up menus";
}

bool ScriptedPrompts::all_answered() const {
    return messages_.empty() && saves_.empty() && opens_.empty() && colours_.empty() && popups_.empty();
}

// --- text metrics

TextSize FixedTextMetrics::measure(const std::string& text, const Font& font) const {
    const double scale = font.size_pt / 9.0;
    int widest = 0, line_width = 0, lines = 1;
    for (std::size_t i = 0; i < text.size();) {
        const unsigned char c = static_cast<unsigned char>(text[i]);
        if (c == '\r') {
            ++i;
            continue;
        }
        if (c == '\n') {
            widest = std::max(widest, line_width);
            line_width = 0;
            ++lines;
            ++i;
            continue;
        }
        int len = 1;
        if (c >= 0xF0)
            len = 4;
        else if (c >= 0xE0)
            len = 3;
        else if (c >= 0xC0)
            len = 2;
        // Half-width katakana and symbols (U+FF61..U+FF9F) are narrow, like ASCII.
        bool narrow = len == 1;
        if (len == 3 && c == 0xEF && i + 1 < text.size()) {
            const unsigned char c1 = static_cast<unsigned char>(text[i + 1]);
            narrow = c1 == 0xBD || c1 == 0xBE;
        }
        line_width += narrow ? 8 : 16;
        i += static_cast<std::size_t>(len);
    }
    widest = std::max(widest, line_width);
    return {static_cast<int>(widest * 15 * scale), static_cast<int>(lines * 16 * 15 * scale)};
}

DrawnLine BlockTextPainter::draw_line(PixelSurface surface, int x, int y, const std::string& text, const Font& font,
                                      Colour colour) {
    lines.push_back(text);
    const TextSize twips = FixedTextMetrics().measure(text, font);
    DrawnLine drawn{static_cast<int>(twips.width / surface.twips_per_pixel),
                    static_cast<int>(twips.height / surface.twips_per_pixel),
                    {}};
    const std::uint32_t pixel = 0xFF000000u | red_of(colour) << 16 | green_of(colour) << 8 | blue_of(colour);
    const int left = std::max(0, x), right = std::min(surface.width, x + drawn.width);
    const int top = std::max(0, y), bottom = std::min(surface.height, y + drawn.height);
    for (int row = top; row < bottom; ++row)
        for (int col = left; col < right; ++col)
            surface.pixels[static_cast<std::size_t>(row) * surface.width + col] = pixel;
    if (left < right && top < bottom) drawn.changed = {left, top, right - left, bottom - top};
    return drawn;
}

// --- media

int RecordingMedia::send(const std::string& command, std::string& reply) {
    commands.push_back(command);
    reply.clear();
    const std::string word = command.substr(0, command.find(' '));
    if (std::find(failing_words.begin(), failing_words.end(), word) != failing_words.end()) return 263;
    if (word == "status") {
        if (status_replies.empty()) return 263;
        reply = status_replies.front();
        status_replies.pop_front();
    }
    return 0;
}

double ScriptedRandom::next() {
    if (values.empty()) return 0.0;
    const double v = values.front();
    values.pop_front();
    return v;
}

// --- file system

bool FaultyFileSystem::write(const std::string& path, std::string_view bytes) {
    calls.push_back("write " + path);
    writes.push_back(path);
    if (disk_space && bytes.size() > *disk_space) {
        // The disk fills up halfway: part of the file is there, and the write fails.
        SystemFileSystem::write(path, bytes.substr(0, static_cast<std::size_t>(*disk_space)));
        *disk_space = 0;
        return false;
    }
    if (disk_space) *disk_space -= bytes.size();
    return SystemFileSystem::write(path, bytes);
}

NewFile FaultyFileSystem::create_new(const std::string& path) {
    calls.push_back("create " + path);
    if (taken_names > 0) {
        --taken_names;
        return NewFile::taken;
    }
    return SystemFileSystem::create_new(path);
}

bool FaultyFileSystem::rename(const std::string& from, const std::string& to) {
    calls.push_back("rename " + from + " -> " + to);
    if (!vanishing.empty() && from.ends_with(vanishing)) SystemFileSystem::remove(from);
    if (fail_rename || (cross_device && parent_folder(from) != parent_folder(to))) return false;
    return SystemFileSystem::rename(from, to);
}

bool FaultyFileSystem::copy(const std::string& from, const std::string& to) {
    calls.push_back("copy " + from + " -> " + to);
    if (!vanishing.empty() && from.ends_with(vanishing)) SystemFileSystem::remove(from);
    const auto n = size(from);
    if (fail_copy || !n) return false;
    if (shrinking) {
        const std::string bytes = read_whole_file(from, *n).value_or("");
        SystemFileSystem::write(from, bytes.substr(0, bytes.size() / 2));
    }
    if (!short_copy && !disk_space) return SystemFileSystem::copy(from, to);
    std::string bytes = read_whole_file(from, std::numeric_limits<std::uintmax_t>::max()).value_or("");
    if (short_copy) bytes.resize(bytes.size() / 2);
    // A full disk keeps what fitted and fails; a short copy reports success.
    if (!write(to, bytes)) return false;
    std::error_code ec;
    std::filesystem::last_write_time(to_fs_path(to), std::filesystem::last_write_time(to_fs_path(from), ec), ec);
    return true;
}

bool FaultyFileSystem::flush(const std::string& path) {
    calls.push_back("flush " + path);
    return !fail_flush && SystemFileSystem::flush(path);
}

bool FaultyFileSystem::remove(const std::string& path) {
    calls.push_back("remove " + path);
    const bool held = !locked.empty() && path.size() >= locked.size() &&
                      path.compare(path.size() - locked.size(), locked.size(), locked) == 0;
    return !fail_remove && !held && SystemFileSystem::remove(path);
}

bool FaultyFileSystem::discard(const std::string& path) {
    calls.push_back("discard " + path);
    return !fail_remove && SystemFileSystem::discard(path);
}

// --- platform

HeadlessPlatform::HeadlessPlatform(std::string program_folder) : program_folder_(std::move(program_folder)) {}

Platform& HeadlessPlatform::platform() {
    if (!platform_)
        platform_.emplace(Platform{*windows_, *prompts_, text, painter, *media_, shell, *clipboard_, *http_, *clock_,
                                   random, instance, *files_, program_folder_, update_server, &folder_watch,
                                   cache_folder});
    return *platform_;
}

void HeadlessPlatform::check_not_built(const char* service) const {
    if (platform_) ADD_FAILURE() << "the " << service << " was swapped after the platform was handed out";
}

void HeadlessPlatform::use(WindowSystem& w) {
    check_not_built("window system");
    windows_ = &w;
}

void HeadlessPlatform::use(Media& m) {
    check_not_built("media");
    media_ = &m;
}

void HeadlessPlatform::use(Clipboard& c) {
    check_not_built("clipboard");
    clipboard_ = &c;
}

void HeadlessPlatform::use(Http& h) {
    check_not_built("HTTP client");
    http_ = &h;
}

void HeadlessPlatform::use(FileSystem& f) {
    check_not_built("file system");
    files_ = &f;
}

void HeadlessPlatform::use(Prompts& p) {
    check_not_built("prompts");
    prompts_ = &p;
}

void HeadlessPlatform::use(Clock& c) {
    check_not_built("clock");
    clock_ = &c;
}

// --- input

namespace {

std::string shortcut_text(int key_code, int shift_state) {
    std::string s;
    if (shift_state & shift::kCtrl) s += "Ctrl+";
    if (shift_state & shift::kAlt) s += "Alt+";
    if (shift_state & shift::kShift) s += "Shift+";
    if (key_code >= 'A' && key_code <= 'Z') return s + static_cast<char>(key_code);
    if (key_code >= key::kF1 && key_code < key::kF1 + 12) return s + "F" + std::to_string(key_code - key::kF1 + 1);
    if (key_code == key::kDelete) return s + "Del";
    return s + "#" + std::to_string(key_code);
}

Menu* shortcut_entry(Menu& m, const std::string& keys) {
    if (!m.visible() || !m.enabled()) return nullptr;
    if (m.shortcut() == keys) return &m;
    for (Menu* e : m.entries())
        if (Menu* hit = shortcut_entry(*e, keys)) return hit;
    return nullptr;
}

}  // namespace

void press_key(Form& form, int key_code, int shift) {
    const std::string keys = shortcut_text(key_code, shift);
    for (Menu* top : form.menu_bar()) {
        if (Menu* hit = shortcut_entry(*top, keys)) {
            if (hit->on_click) hit->on_click();
            return;
        }
    }
    if (form.on_shortcut && form.on_shortcut(key_code, shift)) return;
    if (form.on_key_down) {
        form.on_key_down(key_code, shift);
        return;
    }
    Control* c = form.focus();
    if (c == nullptr || !c->visible() || !c->enabled()) return;
    if (c->on_key_down) c->on_key_down(key_code, shift);
    if (c->kind() == ControlKind::list_box) {
        auto* list = static_cast<ListBox*>(c);
        if (key_code == key::kDown && list->list_index() + 1 < list->count())
            list->set_list_index(list->list_index() + 1);
        else if (key_code == key::kUp && list->list_index() > 0)
            list->set_list_index(list->list_index() - 1);
    }
}

void click_menu(Menu& entry) {
    if (entry.enabled() && entry.visible() && entry.on_click) entry.on_click();
}

namespace {
bool reachable(const Control& c) {
    return c.visible() && c.enabled() && c.form().visible();
}
}  // namespace

void click(Control& c) {
    if (!reachable(c)) return;
    if (c.kind() == ControlKind::check_box) {
        auto& box = static_cast<CheckBox&>(c);
        box.set_value(!box.value());
    }
    if (c.on_click) c.on_click();
}

void type_text(TextBox& box, const std::string& text) {
    if (reachable(box) && !box.locked()) box.set_text(text);
}

void type_text(ComboBox& box, const std::string& text) {
    if (reachable(box)) box.set_text(text);
}

void mouse_up(Control& c, int button, int x, int y, int shift) {
    if (c.on_mouse_up) c.on_mouse_up(button, shift, x, y);
}

void dbl_click(Control& c) {
    if (c.on_dbl_click) c.on_dbl_click();
}

void mouse_down(Control& c, int button, int x, int y, int shift) {
    if (c.on_mouse_down) c.on_mouse_down(button, shift, x, y);
}

void mouse_move(Control& c, int x, int y, int button, int shift) {
    if (c.on_mouse_move) c.on_mouse_move(button, shift, x, y);
}

void drag_thumb(ScrollBar& bar, const std::vector<int>& values) {
    if (!reachable(bar)) return;
    for (int v : values) bar.drag_to(v);
    bar.end_drag();
}

void scroll_to(ScrollBar& bar, int value) {
    if (reachable(bar)) bar.set_value(value);
}

void click_row(ListBox& list, int row) {
    list.set_focus();
    list.click_line(row);
}

}  // namespace vis::test
