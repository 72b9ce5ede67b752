#pragma once
// The owner of the program's windows: each is made on first use, reached by its type, and can be
// unloaded so that its next opening starts from its laid-out state. Windows reach one another
// only through here; the main window's shared parts through MainWindowParts. It also keeps the
// settings store every window shares.
#include <functional>
#include <map>
#include <memory>
#include <typeindex>
#include <vector>

#include "core/settings_store.h"
#include "services/platform.h"
#include "ui/form.h"

namespace vis {

class MainWindowParts;

class WindowOwner {
public:
    explicit WindowOwner(Platform& platform);
    ~WindowOwner();
    WindowOwner(const WindowOwner&) = delete;
    WindowOwner& operator=(const WindowOwner&) = delete;

    Platform& platform() const { return platform_; }
    // The settings file and the values read from it at start-up.
    SettingsStore& settings() { return settings_; }
    // Choices that outlive the window they are made in, until the program ends.
    struct Kept {
        bool text_outline = false;  // the text dialog's "縁取り"
    };
    Kept& kept() { return kept_; }

    // How a window of type W is made; registered once, before the first use.
    template <class W>
    void add(std::function<std::unique_ptr<W>(WindowOwner&)> make) {
        slots_[typeid(W)].make = [make = std::move(make)](WindowOwner& w) -> std::unique_ptr<Form> { return make(w); };
    }
    // The main window's parts that the other windows use.
    void set_main(std::function<MainWindowParts&()> main) { main_ = std::move(main); }
    MainWindowParts& main() const { return main_(); }

    // The window, made now if it does not exist.
    template <class W>
    W& get() {
        return static_cast<W&>(make_if_missing(typeid(W)));
    }
    // The window if it exists; nothing is made.
    template <class W>
    W* loaded() {
        Form* f = existing(typeid(W));
        return f != nullptr ? static_cast<W*>(f) : nullptr;
    }
    // Hides the window and lets it go; the next get() makes a fresh one. It may be unloaded from
    // inside its own event, so it is destroyed only when its successor is made (or at the end).
    template <class W>
    void unload() {
        retire(typeid(W));
    }

private:
    struct Slot {
        std::function<std::unique_ptr<Form>(WindowOwner&)> make;
        std::unique_ptr<Form> form;
        std::unique_ptr<Form> retired;
    };
    Form& make_if_missing(std::type_index type);
    Form* existing(std::type_index type);
    void retire(std::type_index type);

    Platform& platform_;
    SettingsStore settings_;
    Kept kept_;
    std::function<MainWindowParts&()> main_;
    std::map<std::type_index, Slot> slots_;
    // Types in the order their windows were made.
    std::vector<std::type_index> made_;
};

}  // namespace vis
