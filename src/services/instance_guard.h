#pragma once

namespace vis {

// Tells whether another instance of the program already runs; the first caller holds the lock
// for as long as the guard lives.
class InstanceGuard {
public:
    virtual ~InstanceGuard() = default;
    virtual bool another_instance_running() = 0;
};

}  // namespace vis
