#pragma once
// The full-screen viewer.
#include "platform/form.h"

namespace vis {

class Form1;

class Form2 : public Form {
public:
    explicit Form2(Form1& main);
    void IMG_FULL(bool opening);

private:
    Form1& main_;
};

}  // namespace vis
