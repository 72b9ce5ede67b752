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

ListedFiles& own_records(std::shared_ptr<const ListedFiles>& records) {
    // Every record set is made mutable (make_shared<ListedFiles>) and only handed out as const.
    if (records.use_count() != 1) records = std::make_shared<ListedFiles>(*records);
    return const_cast<ListedFiles&>(*records);
}

bool wildcard_match(const std::string& pattern, const std::string& name) {
    return match_from(pattern, 0, name, 0);
}

FileList::FileList(Form& owner, std::string name, std::string pattern)
    : Control(owner, std::move(name), ControlKind::file_list),
      pattern_(std::move(pattern)),
      files_(std::make_shared<ListedFiles>()) {
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
    const std::shared_ptr<const ListedFiles> previous = std::exchange(files_, std::make_shared<ListedFiles>());
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

bool FileList::put(const ListedFile& file) {
    const auto at =
        std::find_if(files_->begin(), files_->end(), [&](const ListedFile& f) { return f.name == file.name; });
    const bool known = at != files_->end();
    if (known && *at == file) return false;
    const auto index = static_cast<std::size_t>(at - files_->begin());
    ListedFiles& files = own_records(files_);
    if (known) {
        total_ -= files[index].size;
        files[index] = file;
    } else {
        files.push_back(file);
    }
    total_ += file.size;
    touch();
    return true;
}

bool FileList::drop(const std::string& name) {
    const auto at = std::find_if(files_->begin(), files_->end(), [&](const ListedFile& f) { return f.name == name; });
    if (at == files_->end()) return false;
    const auto index = static_cast<std::size_t>(at - files_->begin());
    ListedFiles& files = own_records(files_);
    total_ -= files[index].size;
    // The listing keeps no order of its own: the last record fills the gap.
    files[index] = std::move(files.back());
    files.pop_back();
    touch();
    return true;
}

}  // namespace vis
