#pragma once
// The update check's request through WinINet: the body of whatever the server answers (an error
// page is an answer too), at most kMaxBody bytes, or nothing when no answer came in time.
#include <cstddef>

#include "services/http.h"

namespace vis::win32 {

class WinInetHttp : public Http {
public:
    static constexpr std::size_t kMaxBody = 4096;
    std::string get(const std::string& url, int timeout_ms) override;
};

}  // namespace vis::win32
