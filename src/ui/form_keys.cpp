#include "ui/form_keys.h"

namespace vis {

bool offer_key_to_form(Form* const& form, int code, int shift, const Dispatch& dispatch) {
    Form* f = form;
    if (f == nullptr || code == 0) return false;
    if (f->on_shortcut) {
        bool taken = false;
        dispatch([f, code, shift, &taken] { taken = f->on_shortcut && f->on_shortcut(code, shift); });
        if (taken) return true;
    }
    // A shortcut may have closed the form.
    if (form == nullptr || !f->on_key_down) return false;
    dispatch([f, code, shift] {
        if (f->on_key_down) f->on_key_down(code, shift);
    });
    return true;
}

}  // namespace vis
