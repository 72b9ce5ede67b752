#include "options/form3.h"

#include "core/form1.h"

namespace vis {

Form3::Form3(Form1& main) : Form(main.platform().windows, "Form3", " 設定"), main_(main) {}

void Form3::open(bool) { show(); }

}  // namespace vis
