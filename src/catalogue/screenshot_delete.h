#pragma once
// Deleting a screenshot for good, after the user's Yes.
#include <string>

#include "services/file_system.h"
#include "ui/prompts.h"

namespace vis {

class Form;
class ListBox;
class ScreenshotLists;

// The delete question for a screenshot, owned by `owner`; true when the user answers Yes.
bool ask_delete(Prompts& prompts, const std::string& name, const Form& owner);

// Deletes `name` from `folder`. True when no file is left; a file that stays is reported in a
// box owned by `owner` (the window the user is looking at).
bool delete_screenshot(Prompts& prompts, FileSystem& fs, const std::string& folder, const std::string& name,
                       const Form& owner);

// Delete on a list's selected line: asks, deletes the file and removes the line from both lists,
// selecting the line that followed (or the new last). True when the line went; the caller then
// shows what is selected. Nothing happens while the list is busy or has no selection.
bool delete_selected_line(Prompts& prompts, FileSystem& fs, ScreenshotLists& lists, ListBox& list, const Form& owner);

}  // namespace vis
