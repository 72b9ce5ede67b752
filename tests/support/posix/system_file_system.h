#pragma once
// The real disk as this system's program uses it.
#include "services/file_system.h"

namespace vis::test {

using SystemFileSystem = DiskFileSystem;

}  // namespace vis::test
