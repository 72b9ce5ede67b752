#pragma once
// A screenshot that another program holds open.
#include <string>

namespace vis::test {

// While alive, the program cannot read the file at `path`, as when another program holds it open
// sharing nothing on Windows. Linux has no such lock (and root reads any file), so there a folder
// takes the file's name meanwhile while the file waits beside it.
class HeldOpen {
public:
    explicit HeldOpen(std::string path);
    ~HeldOpen();
    HeldOpen(const HeldOpen&) = delete;
    HeldOpen& operator=(const HeldOpen&) = delete;

private:
    std::string path_;
    void* handle_ = nullptr;  // Windows: the other program's handle
};

}  // namespace vis::test
