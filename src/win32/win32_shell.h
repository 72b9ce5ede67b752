#pragma once
#include "services/shell.h"

namespace vis::win32 {

// Opens a document or an address with the program Windows associates with it.
class Win32Shell : public Shell {
public:
    bool open(const std::string& target, const std::string& working_folder) override;
};

}  // namespace vis::win32
