#include "main_window/program_windows.h"

#include "album_window/form5.h"
#include "bulk/form4.h"
#include "editor_window/form6.h"
#include "editor_window/form6_sub1.h"
#include "editor_window/form6_sub2.h"
#include "main_window/form1.h"
#include "options/form0.h"
#include "options/form3.h"
#include "platform/start_marks.h"
#include "viewer/form2.h"

namespace vis {

namespace {

template <class W>
void add(Windows& windows) {
    windows.add<W>([](Windows& w) { return std::make_unique<W>(w); });
}

}  // namespace

void add_program_windows(Windows& windows) {
    add<Form1>(windows);
    add<Form0>(windows);
    add<Form2>(windows);
    add<Form3>(windows);
    add<Form5>(windows);
    add<Form4>(windows);
    add<Form6>(windows);
    add<Form6_Sub1>(windows);
    add<Form6_Sub2>(windows);
    windows.set_main([&windows]() -> MainWindow& { return windows.get<Form1>(); });
}

int run_program(Platform& platform, const std::function<void(Windows&)>& started, const std::function<int()>& loop) {
    start_mark("services made");
    Windows program(platform);
    add_program_windows(program);
    Form1& main = program.get<Form1>();
    start_mark("main window made");
    main.start();
    start_mark("main window loaded");
    if (started) started(program);
    return loop();
}

}  // namespace vis
