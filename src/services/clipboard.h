#pragma once
#include <string>

#include "ui/picture.h"

namespace vis {

class Clipboard {
public:
    virtual ~Clipboard() = default;
    virtual bool set_picture(const Picture& picture) = 0;
    // Puts the file itself on the clipboard, offered for pasting as a copy and with no picture
    // beside it, so that a chat program attaches the file as it is and a file manager copies it.
    // `path` is the path the system knows (see host_path).
    virtual bool set_file(const std::string& path) = 0;
};

}  // namespace vis
