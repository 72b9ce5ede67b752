#pragma once
#include <string>

namespace vis {

// Opens a document or an address in the program the desktop associates with it ("Open" verb).
class Shell {
public:
    virtual ~Shell() = default;
    virtual bool open(const std::string& target, const std::string& working_folder) = 0;
};

}  // namespace vis
