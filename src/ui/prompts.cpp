#include "ui/prompts.h"

namespace vis {

MsgResult way_out(MsgButtons buttons) {
    switch (buttons) {
        case MsgButtons::ok:
            return MsgResult::ok;
        case MsgButtons::yes_no:
            return MsgResult::no;
        case MsgButtons::ok_cancel:
        case MsgButtons::yes_no_cancel:
            break;
    }
    return MsgResult::cancel;
}

}  // namespace vis
