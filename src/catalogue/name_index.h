#pragma once
// Finds a record by its file name without searching a list: a change named by the folder watch
// costs the same with 50 screenshots listed as with 50,000. The index keeps only a hash of each
// name with letter case ignored and the record's number; the caller's records hold the names, so
// a name differing only in case (one file, where the system ignores case) is found beside it.
#include <cstdint>
#include <string>
#include <unordered_map>

namespace vis {

class NameIndex {
public:
    void clear() { ids_.clear(); }
    void reserve(std::size_t n) { ids_.reserve(n); }
    void add(const std::string& name, std::uint32_t id) { ids_.emplace(folded_hash(name), id); }
    void remove(const std::string& name, std::uint32_t id);

    // The record named exactly `name`, as `name_of(id)` tells the names; -1 when none is.
    template <class NameOf>
    std::int64_t find(const std::string& name, NameOf name_of) const {
        const auto [first, last] = ids_.equal_range(folded_hash(name));
        for (auto it = first; it != last; ++it)
            if (name_of(it->second) == name) return it->second;
        return -1;
    }
    // Calls `each(id)` for every record whose name equals `name` with letter case ignored but is
    // not `name` itself.
    template <class NameOf, class Each>
    void for_each_case_twin(const std::string& name, NameOf name_of, Each each) const {
        const auto [first, last] = ids_.equal_range(folded_hash(name));
        for (auto it = first; it != last; ++it) {
            const std::string& other = name_of(it->second);
            if (other != name && same_ignoring_case(other, name)) each(it->second);
        }
    }

    static bool same_ignoring_case(const std::string& a, const std::string& b);

private:
    static std::uint64_t folded_hash(const std::string& name);

    std::unordered_multimap<std::uint64_t, std::uint32_t> ids_;
};

}  // namespace vis
