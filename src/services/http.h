#pragma once
#include <string>

namespace vis {

// A synchronous HTTP GET: the response body, or an empty text when no answer came in time.
class Http {
public:
    virtual ~Http() = default;
    virtual std::string get(const std::string& url, int timeout_ms) = 0;
};

}  // namespace vis
