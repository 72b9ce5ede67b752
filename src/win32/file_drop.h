#pragma once
// A file as Windows programs pass one on: CF_HDROP memory naming it, with the preferred effect
// "copy" so that a paste or a drop never moves it away.
#include <windows.h>

#include <string>

namespace vis::win32 {

// DROPFILES naming the file by its full path, in wide characters; nullptr when it cannot be made.
// The caller owns the memory until the system takes it.
HGLOBAL file_drop_memory(const std::string& path);

// A DWORD holding DROPEFFECT_COPY, for the "Preferred DropEffect" format.
HGLOBAL copy_effect_memory();

// The registered "Preferred DropEffect" format.
UINT preferred_effect_format();

}  // namespace vis::win32
