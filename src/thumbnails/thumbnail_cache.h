#pragma once
// Decoded thumbnails, at most `capacity` of them: putting one more drops the one least recently
// seen. A picture that could not be decoded is kept too (as an empty picture), so a broken file
// is not decoded again at every scroll.
#include <cstddef>
#include <list>
#include <string>
#include <unordered_map>

#include "thumbnails/thumb_key.h"
#include "ui/picture.h"

namespace vis {

class ThumbnailCache {
public:
    explicit ThumbnailCache(std::size_t capacity);

    // The kept picture of that file as the key knows it, now the most recently seen; null when
    // none is kept (or only one of the file as it was before).
    const Picture* find(const ThumbKey& key);
    void put(const ThumbKey& key, Picture picture);
    void clear();
    void set_capacity(std::size_t capacity);

    std::size_t size() const { return entries_.size(); }
    std::size_t capacity() const { return capacity_; }
    // The pixel bytes held.
    std::size_t bytes() const { return bytes_; }

private:
    struct Entry {
        ThumbKey key;
        Picture picture;
    };
    void trim();
    static std::size_t bytes_of(const Picture& p) { return p.empty() ? 0 : p.pixels->size() * 4; }

    std::size_t capacity_;
    std::size_t bytes_ = 0;
    // Most recently seen first.
    std::list<Entry> entries_;
    std::unordered_map<std::string, std::list<Entry>::iterator> by_path_;
};

}  // namespace vis
