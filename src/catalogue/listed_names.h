#pragma once
// The screenshots a message box names: a long list would push its buttons off the screen.
#include <string>
#include <vector>

namespace vis {

// Each of the first ten names after a line break, then, when there are more, a line counting the
// rest with `counter` ("ほか 3 個").
std::string listed_names(const std::vector<std::string>& names, const std::string& counter);

}  // namespace vis
