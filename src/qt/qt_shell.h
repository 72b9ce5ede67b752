#pragma once
#include "services/shell.h"

namespace vis {

// Opens addresses in the browser and documents in their associated program.
class QtShell : public Shell {
public:
    bool open(const std::string& target, const std::string& working_folder) override;
};

}  // namespace vis
