#include "support/zone.h"

#include <cstdlib>
#include <ctime>

namespace vis::test {

InZone::InZone(const char* zone) {
    if (const char* old = std::getenv("TZ")) old_ = old;
    setenv("TZ", zone, 1);
    tzset();
}

InZone::~InZone() {
    if (old_)
        setenv("TZ", old_->c_str(), 1);
    else
        unsetenv("TZ");
    tzset();
}

}  // namespace vis::test
