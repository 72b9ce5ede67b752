#pragma once
// Media command strings: "open \"path\"", "play \"path\"", "status \"path\" mode", "close \"path\"".
#include <string>

namespace vis {

class Media {
public:
    virtual ~Media() = default;
    // Returns 0 on success, a non-zero error code otherwise; `reply` receives the answer of a
    // status query ("playing", "stopped").
    virtual int send(const std::string& command, std::string& reply) = 0;
};

}  // namespace vis
