#pragma once
#include <string>

namespace vis::win32 {

// The folder of the running executable, without a trailing separator; empty when the system
// cannot say.
std::string program_folder();

}  // namespace vis::win32
