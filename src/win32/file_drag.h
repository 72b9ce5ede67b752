#pragma once
// Dragging a file out of a window with OLE drag and drop: the shell's own data object for the
// file (CF_HDROP, and the file contents formats where a target needs them), offered as a copy only.
#include <windows.h>
// After windows.h, which it needs.
#include <objidl.h>

#include <string>

namespace vis::win32 {

// The shell's data object for the file, as Explorer hands out for its own files; nullptr when the
// shell does not know the file. The caller releases it.
IDataObject* file_data_object(const std::string& path);

// Runs the drag until the user drops or cancels; false when no drag could start.
bool drag_file_out(const std::string& path);

}  // namespace vis::win32
