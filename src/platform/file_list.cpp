#include "file_list.h"

#include <algorithm>

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
    : Control(owner, std::move(name), ControlKind::file_list), pattern_(std::move(pattern)) {
    set_visible(false);
}

bool FileList::bind(const std::string& folder) {
    folder_ = folder;
    return refresh();
}

bool FileList::refresh() {
    files_.clear();
    index_.clear();
    total_ = 0;
    if (!list_folder(folder_, pattern_, files_)) {
        files_.clear();
        return false;
    }
    index_.reserve(files_.size());
    for (std::size_t i = 0; i < files_.size(); ++i) {
        index_.emplace(files_[i].name, i);
        total_ += files_[i].size;
    }
    touch();
    return true;
}

const ListedFile* FileList::find(const std::string& name) const {
    const auto it = index_.find(name);
    return it == index_.end() ? nullptr : &files_[it->second];
}

}  // namespace vis
