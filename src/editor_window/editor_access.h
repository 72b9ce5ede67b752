#pragma once
// What the text and effects dialogs may ask of the editor: its state to read, and the few
// actions they start on its canvas. They never reach the editor's controls.
#include <functional>

#include "editor/editor_state.h"
#include "editor/effects.h"

namespace vis {

using EffectFn = EffectEnd (*)(Canvas&, const Rect&, const EffectPacing&);

class EditorAccess {
public:
    virtual const EditorState& state() const = 0;

    // The text dialog's choices; the preview follows them.
    virtual void set_text(const TextSettings& text) = 0;
    // Prints the text at the preview as one action. False, changing nothing, while an effect
    // runs.
    virtual bool insert_text() = 0;

    // The editor steps aside while an effect runs and comes back after.
    virtual void set_minimised(bool minimised) = 0;
    // Runs the effect over the selection as one action; nothing else draws meanwhile. The run is
    // marked first, then `start` is called, before any work, for the caller to step the editor
    // aside and let events run. Closing the editor meanwhile stops the run, and the editor closes
    // once it has stopped; so does opening it on another picture, which stays as opened.
    virtual EffectEnd run_effect(EffectFn effect, const EffectPacing& pacing, const std::function<void()>& start) = 0;
    virtual bool effect_running() const = 0;
    // Crops the canvas to the selection as one action; the selection then covers the whole
    // canvas. False, changing nothing, without a selection or while an effect runs.
    virtual bool crop() = 0;

protected:
    ~EditorAccess() = default;
};

}  // namespace vis
