#pragma once
// The splash window shown at start-up.
#include "platform/form.h"

namespace vis {

class Form1;

class Form0 : public Form {
public:
    explicit Form0(Form1& main);
    // Shows the window modeless and starts its timer.
    void open();

private:
    Form1& main_;
};

}  // namespace vis
