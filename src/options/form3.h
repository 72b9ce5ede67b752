#pragma once
// The settings dialog.
#include "platform/form.h"

namespace vis {

class Form1;

class Form3 : public Form {
public:
    explicit Form3(Form1& main);
    // Shows the dialog filled from the settings file; set-up mode keeps the browse button enabled.
    void open(bool setup_mode);

private:
    Form1& main_;
};

}  // namespace vis
