#pragma once
#include "platform/clipboard.h"

namespace vis::win32 {

// Puts a picture on the clipboard as a device-independent bitmap, which every Windows program
// that takes pictures can paste.
class Win32Clipboard : public Clipboard {
public:
    bool set_picture(const Picture& picture) override;
};

}  // namespace vis::win32
