#include "file_list.h"

#include <algorithm>
#include <utility>

namespace vis {

namespace {

char lower(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

bool match_from(const std::string& p, std::size_t pi, const std::string& s, std::size_t si) {
    // Iterative matching with one backtrack point for the latest "*".
    std::size_t star = std::string::npos, star_s = 0;
    while (si < s.size()) {
        if (pi < p.size() && (p[pi] == '?' || lower(p[pi]) == lower(s[si]))) {
            ++pi;
            ++si;
        } else if (pi < p.size() && p[pi] == '*') {
            star = pi++;
            star_s = si;
        } else if (star != std::string::npos) {
            pi = star + 1;
            si = ++star_s;
        } else {
            return false;
        }
    }
    while (pi < p.size() && p[pi] == '*') ++pi;
    return pi == p.size();
}

}  // namespace

bool wildcard_match(const std::string& pattern, const std::string& name) {
    return match_from(pattern, 0, name, 0);
}

FileList::FileList(Form& owner, std::string name, std::string pattern)
    : Control(owner, std::move(name), ControlKind::file_list),
      pattern_(std::move(pattern)),
      files_(std::make_shared<const ListedFiles>()) {
    set_visible(false);
}

bool FileList::bind(const std::string& folder) {
    folder_ = folder;
    return refresh();
}

bool FileList::refresh() {
    const bool ok = read_folder();
    touch();
    return ok;
}

bool FileList::read_folder() {
    const std::shared_ptr<const ListedFiles> previous = std::exchange(files_, std::make_shared<const ListedFiles>());
    total_ = 0;
    auto files = std::make_shared<ListedFiles>();
    if (!list_folder(folder_, pattern_, *files)) return false;
    files->shrink_to_fit();
    for (const ListedFile& f : *files) total_ += f.size;
    // The lists that show the last reading keep sharing it while nothing changed.
    if (*previous == *files)
        files_ = previous;
    else
        files_ = std::move(files);
    return true;
}

}  // namespace vis
