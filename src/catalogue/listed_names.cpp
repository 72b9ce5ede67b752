#include "catalogue/listed_names.h"

namespace vis {

namespace {

constexpr std::size_t kMostNamesShown = 10;

}  // namespace

std::string listed_names(const std::vector<std::string>& names, const std::string& counter) {
    std::string text;
    for (std::size_t i = 0; i < names.size() && i < kMostNamesShown; ++i) text += "\r\n" + names[i];
    if (names.size() > kMostNamesShown)
        text += "\r\nほか " + std::to_string(names.size() - kMostNamesShown) + " " + counter;
    return text;
}

}  // namespace vis
