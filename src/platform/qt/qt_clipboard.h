#pragma once
#include "platform/clipboard.h"

namespace vis {

// Puts a picture on the system clipboard as an image.
class QtClipboard : public Clipboard {
public:
    bool set_picture(const Picture& picture) override;
};

}  // namespace vis
