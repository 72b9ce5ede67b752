#include "catalogue/name_index.h"

namespace vis {

namespace {

// Letter case as the listing's pattern ignores it: ASCII only.
unsigned char folded(char c) {
    return static_cast<unsigned char>((c >= 'A' && c <= 'Z') ? c - 'A' + 'a' : c);
}

}  // namespace

void NameIndex::remove(const std::string& name, std::uint32_t id) {
    const auto [first, last] = ids_.equal_range(folded_hash(name));
    for (auto it = first; it != last; ++it)
        if (it->second == id) {
            ids_.erase(it);
            return;
        }
}

bool NameIndex::same_ignoring_case(const std::string& a, const std::string& b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (folded(a[i]) != folded(b[i])) return false;
    return true;
}

std::uint64_t NameIndex::folded_hash(const std::string& name) {
    // FNV-1a: no copy of the name is made to fold it.
    std::uint64_t hash = 14695981039346656037ull;
    for (const char c : name) hash = (hash ^ folded(c)) * 1099511628211ull;
    return hash;
}

}  // namespace vis
