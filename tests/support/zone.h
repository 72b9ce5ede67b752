#pragma once
// Puts the process in a time zone for one test and back afterwards.
#include <optional>
#include <string>

namespace vis::test {

class InZone {
public:
    explicit InZone(const char* zone);
    ~InZone();
    InZone(const InZone&) = delete;
    InZone& operator=(const InZone&) = delete;

private:
    std::optional<std::string> old_;
};

}  // namespace vis::test
