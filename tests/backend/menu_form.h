#pragma once
// A main window's menus as the program builds them: a hidden top menu for the full screen, a file
// menu with a shortcut, a separator and a disabled entry, and an options menu with a check mark
// and a submenu. Each entry the user runs writes a line to the log.
#include <string>
#include <vector>

#include "ui/form.h"
#include "ui/menu.h"

namespace vis::test {

struct MenuForm : Form {
    explicit MenuForm(WindowSystem& ws) : Form(ws, "MainWindow", "menus") {
        set_client_size(6000, 4000);
        for (Menu* m : {&mSave, &mh0, &mQuit}) mFile.add(*m);
        for (Menu* m : {&mImgInfo, &mBGM_option}) mOption.add(*m);
        mBGM_option.add(mBGMPlay);
        mFullMenu.add(mClose_F);
        for (Menu* m : {&mFullMenu, &mFile, &mOption}) add_menu(*m);
        mFullMenu.set_visible(false);
        mSave.set_enabled(false);
        mImgInfo.set_checked(true);
        mSave.on_click = [this] { log.push_back("save"); };
        mImgInfo.on_click = [this] {
            mImgInfo.set_checked(!mImgInfo.checked());
            log.push_back("info " + std::to_string(mImgInfo.checked()));
        };
        mQuit.on_click = [this] { log.push_back("quit"); };
        mBGMPlay.on_click = [this] { log.push_back("music"); };
        mClose_F.on_click = [this] { log.push_back("close"); };
    }
    Menu mFullMenu{"mFullMenu", "フルスクリーンメニュー"}, mClose_F{"mClose_F", "画像を閉じる(&X)"};
    Menu mFile{"mFile", "ファイル(&F)"}, mSave{"mSave", "画像を保存(&S)", "Ctrl+S"}, mh0{"mh0", "-"},
        mQuit{"mQuit", "終了(&X)"};
    Menu mOption{"mOption", "オプション(&O)"}, mImgInfo{"mImgInfo", "画像情報(&I)"},
        mBGM_option{"mBGM_option", "BGM(&B)"}, mBGMPlay{"mBGMPlay", "BGMを再生する", "Shift+Del"};
    std::vector<std::string> log;
};

}  // namespace vis::test
