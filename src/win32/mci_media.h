#pragma once
// The music's media command strings, handed as they are to the system's media command interface.
#include "services/media.h"

namespace vis::win32 {

class MciMedia : public Media {
public:
    // The system's error code (0 on success); `reply` receives its answer in UTF-8.
    int send(const std::string& command, std::string& reply) override;
};

}  // namespace vis::win32
