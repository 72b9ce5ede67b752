#pragma once
// Windows converts times with the zone of the system, which a test cannot change for itself:
// tests that compare two ways of reading times run in whatever zone the system has.
namespace vis::test {

class InZone {
public:
    explicit InZone(const char*) {}
    InZone(const InZone&) = delete;
    InZone& operator=(const InZone&) = delete;
};

}  // namespace vis::test
