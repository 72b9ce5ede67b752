#pragma once
// The real disk as this system's program uses it.
#include "win32/win32_file_system.h"

namespace vis::test {

using SystemFileSystem = win32::Win32FileSystem;

}  // namespace vis::test
