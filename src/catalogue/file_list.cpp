#include "catalogue/file_list.h"

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
    const bool ok = read_folder(ahead_.take(folder));
    touch();
    return ok;
}

bool FileList::refresh() {
    const bool ok = read_folder();
    touch();
    return ok;
}

bool FileList::read_folder(std::optional<FolderReading> read_ahead) {
    const std::shared_ptr<const ListedFiles> previous = std::exchange(files_, std::make_shared<ListedFiles>());
    total_ = 0;
    auto files = std::make_shared<ListedFiles>();
    const bool read = read_ahead ? read_ahead->read : list_folder(folder_, pattern_, *files);
    if (read_ahead) files->swap(read_ahead->files);
    if (!read) {
        index_.clear();
        return false;
    }
    files->shrink_to_fit();
    for (const ListedFile& f : *files) total_ += f.size;
    // The lists that show the last reading keep sharing it while nothing changed.
    if (*previous == *files) {
        files_ = previous;
        return true;
    }
    files_ = std::move(files);
    index_all();
    return true;
}

bool FileList::put(const ListedFile& file) {
    const std::int64_t at = index_of(file.name);
    if (at >= 0 && (*files_)[static_cast<std::size_t>(at)] == file) return false;
    ListedFiles& files = own_records(files_);
    if (at >= 0) {
        const auto index = static_cast<std::size_t>(at);
        total_ -= files[index].size;
        files[index] = file;
    } else {
        index_.add(file.name, static_cast<std::uint32_t>(files.size()));
        files.push_back(file);
    }
    total_ += file.size;
    touch();
    return true;
}

bool FileList::drop(const std::string& name) {
    const std::int64_t at = index_of(name);
    if (at < 0) return false;
    const auto index = static_cast<std::size_t>(at);
    ListedFiles& files = own_records(files_);
    total_ -= files[index].size;
    index_.remove(name, static_cast<std::uint32_t>(index));
    // The listing keeps no order of its own: the last record fills the gap.
    const auto last = static_cast<std::uint32_t>(files.size() - 1);
    if (index != last) {
        index_.remove(files[last].name, last);
        index_.add(files[last].name, static_cast<std::uint32_t>(index));
        files[index] = std::move(files[last]);
    }
    files.pop_back();
    touch();
    return true;
}

const ListedFile* FileList::find(const std::string& name) const {
    const std::int64_t at = index_of(name);
    return at < 0 ? nullptr : &(*files_)[static_cast<std::size_t>(at)];
}

std::vector<std::string> FileList::case_twins(const std::string& name) const {
    std::vector<std::string> twins;
    index_.for_each_case_twin(
        name, [this](std::uint32_t i) -> const std::string& { return (*files_)[i].name; },
        [&](std::uint32_t i) { twins.push_back((*files_)[i].name); });
    return twins;
}

std::int64_t FileList::index_of(const std::string& name) const {
    return index_.find(name, [this](std::uint32_t i) -> const std::string& { return (*files_)[i].name; });
}

void FileList::index_all() {
    index_.clear();
    index_.reserve(files_->size());
    for (std::size_t i = 0; i < files_->size(); ++i) index_.add((*files_)[i].name, static_cast<std::uint32_t>(i));
}

}  // namespace vis
