#include "viewer/form2.h"

#include "core/form1.h"

namespace vis {

Form2::Form2(Form1& main) : Form(main.platform().windows, "Form2", "Form2"), main_(main) {}

void Form2::IMG_FULL(bool) {}

}  // namespace vis
