#pragma once
#include "services/clipboard.h"

namespace vis::win32 {

// Puts a picture on the clipboard as a device-independent bitmap, which every Windows program
// that takes pictures can paste; or a file as the file it is (CF_HDROP, to be pasted as a copy).
class Win32Clipboard : public Clipboard {
public:
    bool set_picture(const Picture& picture) override;
    bool set_file(const std::string& path) override;
};

}  // namespace vis::win32
