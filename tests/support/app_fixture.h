#pragma once
// A main window on the headless backend over real temporary folders.
#include <memory>

#include "core/form1.h"
#include "support/headless.h"
#include "support/temp_folder.h"

namespace vis::test {

struct App {
    GameFolders folders;
    HeadlessPlatform plat{folders.program};
    std::unique_ptr<Form1> form;

    App() {
        // An up-to-date answer keeps the splash window's version check silent.
        plat.http.body = kVersion;
    }
    // Loads the main window and runs the start-up step (the first timer tick).
    Form1& start() {
        form = std::make_unique<Form1>(plat.platform);
        form->start();
        plat.windows.advance(1);
        return *form;
    }
};

}  // namespace vis::test
