#pragma once
// The save dialog as the program asks it: again after an empty name, and with a Yes/No/Cancel
// question before an existing file is replaced.
#include <optional>
#include <string>

#include "ui/prompts.h"

namespace vis {

// Every round opens with the dialog as given (its folder and proposed name). The chosen path,
// or nothing when the user cancels the dialog or the overwrite question. The notice about an
// empty name carries `app_title`.
std::optional<std::string> ask_save_name(Prompts& prompts, const FileDialog& dialog, const std::string& app_title);

}  // namespace vis
