#include "options/form0.h"

#include "core/form1.h"

namespace vis {

Form0::Form0(Form1& main) : Form(main.platform().windows, "Form0", "Form0"), main_(main) {}

void Form0::open() {}

}  // namespace vis
