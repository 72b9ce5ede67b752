#pragma once
#include "services/clipboard.h"

namespace vis {

// Puts a picture on the system clipboard as an image, or a file as the file it is.
class QtClipboard : public Clipboard {
public:
    bool set_picture(const Picture& picture) override;
    bool set_file(const std::string& path) override;
};

}  // namespace vis
