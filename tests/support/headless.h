#pragma once
// The headless backend: drives the program's windows in tests without a display. Time is a
// virtual clock that fires timers in order; prompts are answered from a script, and a prompt
// the test did not expect fails it.
#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <mutex>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "scripted_folder_watch.h"
#include "services/platform.h"
#include "system_file_system.h"
#include "ui/form.h"

namespace vis::test {

class HeadlessWindowSystem : public WindowSystem {
public:
    void add_form(Form& f) override;
    void remove_form(Form& f) override;
    ScreenInfo screen() const override { return screen_; }
    void caption_changed(Form& f) override { captions[f.name()].push_back(f.caption()); }
    // Runs the actions queued so far, as a real window system runs the user's input that waited.
    void do_events() override;
    void quit() override { quitting_ = true; }
    // Input that arrives while the program is busy: it runs at the program's next do_events().
    void queue(std::function<void()> action) { queued_.push_back(std::move(action)); }
    bool quitting() const override { return quitting_; }
    // Kept until the test runs them (run_posted, or do_events as a real loop would).
    void post(std::function<void()> task) override;
    // Runs the tasks posted so far; returns how many ran.
    int run_posted();
    bool shown_on_screen() override { return on_screen; }
    // What shown_on_screen() answers: a test holds the windows off the screen with false.
    bool on_screen = true;

    void set_screen(ScreenInfo s) { screen_ = s; }
    std::int64_t now() const { return now_; }
    // Moves the virtual clock forward, firing every timer that falls due, in order.
    void advance(std::int64_t ms);
    // Every caption each form (by name) has shown, in order.
    std::map<std::string, std::vector<std::string>> captions;

private:
    struct Scheduled {
        std::uint64_t generation = 0;
        std::int64_t due = 0;
        // Kept so a closing form's timers are dropped without touching its (destroyed) controls.
        const Form* owner = nullptr;
    };
    void sync_timers();
    std::vector<Timer*> all_timers() const;

    ScreenInfo screen_;
    std::vector<Form*> forms_;
    std::map<Timer*, Scheduled> scheduled_;
    std::int64_t now_ = 0;
    bool quitting_ = false;
    std::deque<std::function<void()>> queued_;
    std::mutex posted_mutex_;
    std::vector<std::function<void()>> posted_;
};

// A prompt as the program asked it, with what the script answered.
struct AskedPrompt {
    enum class Kind { message, save, open, colour, popup } kind;
    MessageBox box;
    FileDialog dialog;
    std::string menu;  // popup: the menu's name
    int x = 0, y = 0;
};

// Answers left unused when the test ends fail it: the program did not ask what the test expected.
class ScriptedPrompts : public Prompts {
public:
    ~ScriptedPrompts() override;
    // Queue the answers, in the order the program will ask.
    void answer_message(MsgResult r) { messages_.push_back(r); }
    void answer_save(std::optional<std::string> path) { saves_.push_back(std::move(path)); }
    void answer_open(std::optional<std::string> path) { opens_.push_back(std::move(path)); }
    void answer_colour(std::optional<Colour> c) { colours_.push_back(c); }
    // A pop-up menu answered by choosing the entry of that name ("" chooses nothing).
    void answer_popup(std::string entry) { popups_.push_back(std::move(entry)); }

    MsgResult message_box(const MessageBox& box) override;
    std::optional<std::string> save_file(const FileDialog& dialog) override;
    std::optional<std::string> open_file(const FileDialog& dialog) override;
    std::optional<Colour> choose_colour(Colour initial, const Form* owner) override;
    void popup_menu(Menu& menu, Form& form, int x, int y) override;

    const std::vector<AskedPrompt>& asked() const { return asked_; }
    // Every scripted answer was used.
    bool all_answered() const;
    void clear_asked() { asked_.clear(); }

private:
    std::deque<MsgResult> messages_;
    std::deque<std::optional<std::string>> saves_;
    std::deque<std::optional<std::string>> opens_;
    std::deque<std::optional<Colour>> colours_;
    std::deque<std::string> popups_;
    std::vector<AskedPrompt> asked_;
};

// Half-width characters are 8 pixels wide and full-width ones 16 at 9 pt, scaled by the font size;
// a line is 16 pixels high at 9 pt. Bold adds nothing.
class FixedTextMetrics : public TextMetrics {
public:
    TextSize measure(const std::string& text, const Font& font) const override;
    std::vector<std::string> font_names() const override { return fonts; }
    std::vector<std::string> fonts{"ＭＳ ゴシック", "ＭＳ Ｐゴシック", "ＭＳ 明朝"};
};

// Draws each character as a solid block the size FixedTextMetrics gives it, in the text colour.
class BlockTextPainter : public TextPainter {
public:
    DrawnLine draw_line(PixelSurface surface, int x, int y, const std::string& text, const Font& font,
                        Colour colour) override;
    std::vector<std::string> lines;  // every line drawn, in order
};

class RecordingMedia : public Media {
public:
    int send(const std::string& command, std::string& reply) override;
    std::vector<std::string> commands;
    // Replies to "status ... mode" queries, used in turn; when empty the query fails.
    std::deque<std::string> status_replies;
    // Commands starting with one of these words fail (e.g. "open" for a missing file).
    std::vector<std::string> failing_words;
};

class RecordingShell : public Shell {
public:
    bool open(const std::string& target, const std::string& working_folder) override {
        opened.push_back(target);
        folders.push_back(working_folder);
        return true;
    }
    std::vector<std::string> opened;
    std::vector<std::string> folders;
};

class RecordingClipboard : public Clipboard {
public:
    bool set_picture(const Picture& picture) override {
        if (fail) return false;
        pictures.push_back(picture);
        return true;
    }
    bool set_file(const std::string& path) override {
        if (fail) return false;
        files.push_back(path);
        return true;
    }
    std::vector<Picture> pictures;
    std::vector<std::string> files;
    // The clipboard is held by another program.
    bool fail = false;
};

// The real disk, with operations that fail on purpose: a full disk (writes and copies break off
// once `disk_space` bytes have been written), a locked file (removes fail), a copy that breaks
// off, a disk that does not take a flush, a file deleted by someone else, a source that shrinks.
class FaultyFileSystem : public SystemFileSystem {
public:
    bool write(const std::string& path, std::string_view bytes) override;
    NewFile create_new(const std::string& path) override;
    bool rename(const std::string& from, const std::string& to) override;
    bool copy(const std::string& from, const std::string& to) override;
    bool flush(const std::string& path) override;
    bool remove(const std::string& path) override;
    bool discard(const std::string& path) override;

    std::optional<std::uintmax_t> disk_space;  // nothing: unlimited
    // Renames from one folder to another fail, as between two drives.
    bool cross_device = false;
    bool fail_rename = false;
    bool fail_remove = false;
    // A file whose name ends so cannot be removed, as one another program holds open.
    std::string locked;
    // The copy writes only half of the file and reports success, as a broken network drive may.
    bool short_copy = false;
    bool fail_copy = false;
    bool fail_flush = false;
    // The source loses half of its bytes just as its copy begins, as a file being rewritten.
    bool shrinking = false;
    // So many new names are found taken, as if another program had just made them.
    int taken_names = 0;
    // A file whose name ends so is deleted by someone else just before it is copied or renamed.
    std::string vanishing;
    std::vector<std::string> writes;  // paths, in order
    // "create <path>", "write <path>", "copy <from> -> <to>", "rename <from> -> <to>",
    // "flush <path>", "remove <path>", "discard <path>", in order.
    std::vector<std::string> calls;
};

class ScriptedHttp : public Http {
public:
    std::string get(const std::string& url, int timeout_ms) override {
        urls.push_back(url);
        timeouts.push_back(timeout_ms);
        return body;
    }
    std::string body;
    std::vector<std::string> urls;
    std::vector<int> timeouts;
};

class VirtualClock : public Clock {
public:
    explicit VirtualClock(const HeadlessWindowSystem& ws) : ws_(ws) {}
    std::int64_t now_ms() const override { return ws_.now(); }

private:
    const HeadlessWindowSystem& ws_;
};

// A clock that moves on 10 ms at every look, so a long run (an effect, a bulk copy) lets events
// through now and then.
struct SteppingClock : Clock {
    mutable std::int64_t now = 0;
    std::int64_t now_ms() const override { return now += 10; }
};

// Returns the queued values in turn, then 0.
class ScriptedRandom : public Random {
public:
    void seed(std::uint64_t s) override { seeds.push_back(s); }
    double next() override;
    std::deque<double> values;
    std::vector<std::uint64_t> seeds;
};

class FakeInstanceGuard : public InstanceGuard {
public:
    bool another_instance_running() override { return another; }
    bool another = false;
};

// Every double together, and the Platform the windows take. use() puts another service in place
// of a double, before the platform is first handed out.
struct HeadlessPlatform {
    explicit HeadlessPlatform(std::string program_folder);
    Platform& platform();
    void use(WindowSystem& w);
    void use(Media& m);
    void use(Clipboard& c);
    void use(Http& h);
    void use(FileSystem& f);
    void use(Prompts& p);
    void use(Clock& c);

    HeadlessWindowSystem windows;
    ScriptedPrompts prompts;
    FixedTextMetrics text;
    BlockTextPainter painter;
    RecordingMedia media;
    RecordingShell shell;
    RecordingClipboard clipboard;
    ScriptedHttp http;
    VirtualClock clock{windows};
    ScriptedRandom random;
    FakeInstanceGuard instance;
    FaultyFileSystem files;
    ScriptedFolderWatch folder_watch;
    std::string update_server = "http://127.0.0.1:9";
    // Empty: no thumbnails are kept on disk (the fault-injecting files are not for worker threads).
    std::string cache_folder;

private:
    void check_not_built(const char* service) const;
    std::string program_folder_;
    WindowSystem* windows_ = &windows;
    Media* media_ = &media;
    Clipboard* clipboard_ = &clipboard;
    Http* http_ = &http;
    FileSystem* files_ = &files;
    Prompts* prompts_ = &prompts;
    Clock* clock_ = &clock;
    std::optional<Platform> platform_;
};

// --- simulated input
// A key as the window system delivers it: menu shortcuts of the form's menu bar first, then the
// form's own key handler, then the focused control (a list box also moves its selection on
// Up and Down as a real one does).
void press_key(Form& form, int key_code, int shift = 0);
// Runs a menu entry as a click would, if it is enabled and visible.
void click_menu(Menu& entry);
// A user's click: nothing happens on a control that is disabled or hidden, or whose window is.
void click(Control& c);
void dbl_click(Control& c);
void mouse_down(Control& c, int button, int x = 0, int y = 0, int shift = 0);
void mouse_move(Control& c, int x, int y, int button = 0, int shift = 0);
void mouse_up(Control& c, int button, int x = 0, int y = 0, int shift = 0);
// Typing into a text box replaces its text, unless it is disabled, hidden or locked.
void type_text(TextBox& box, const std::string& text);
// Typing into an editable combo box makes the typed text its text, with no item chosen.
void type_text(ComboBox& box, const std::string& text);
// A user's click on a row of a list.
void click_row(ListBox& list, int row);
// A control of a window as the player finds it: the one of that kind whose caption reads so.
template <class C>
C& captioned(const Form& form, const std::string& caption) {
    for (Control* c : form.controls())
        if (auto* found = dynamic_cast<C*>(c); found != nullptr && found->caption() == caption) return *found;
    throw std::invalid_argument(form.name() + " has nothing captioned " + caption);
}
// The user drags a scroll bar's thumb through these values and lets go.
void drag_thumb(ScrollBar& bar, const std::vector<int>& values);
// A click on an arrow or the track that moves the value to `value`.
void scroll_to(ScrollBar& bar, int value);

}  // namespace vis::test
