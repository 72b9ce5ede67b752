#pragma once
// Media command strings carried out with SDL2_mixer.
#include "platform/media.h"

namespace vis {

class SdlMedia : public Media {
public:
    SdlMedia();
    ~SdlMedia() override;
    int send(const std::string& command, std::string& reply) override;
};

}  // namespace vis
