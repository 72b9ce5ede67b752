#pragma once
// Puts the process in a time zone for one test and back afterwards.
#include <cstdlib>
#include <ctime>
#include <optional>
#include <string>

namespace vis::test {

class InZone {
public:
    explicit InZone(const char* zone) {
        if (const char* old = std::getenv("TZ")) old_ = old;
        setenv("TZ", zone, 1);
        tzset();
    }
    ~InZone() {
        if (old_)
            setenv("TZ", old_->c_str(), 1);
        else
            unsetenv("TZ");
        tzset();
    }
    InZone(const InZone&) = delete;
    InZone& operator=(const InZone&) = delete;

private:
    std::optional<std::string> old_;
};

}  // namespace vis::test
