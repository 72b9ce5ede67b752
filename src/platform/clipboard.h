#pragma once
#include "picture.h"

namespace vis {

class Clipboard {
public:
    virtual ~Clipboard() = default;
    virtual bool set_picture(const Picture& picture) = 0;
};

}  // namespace vis
