#include "platform/sdl/sdl_media.h"

namespace vis {

SdlMedia::SdlMedia() = default;
SdlMedia::~SdlMedia() = default;

int SdlMedia::send(const std::string&, std::string& reply) {
    reply.clear();
    return 1;
}

}  // namespace vis
