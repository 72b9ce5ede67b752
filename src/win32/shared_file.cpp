#include "services/shared_file.h"

#include <windows.h>

#include <algorithm>
#include <cstdint>
#include <utility>

#include "win32/handle.h"
#include "win32/wide.h"

namespace vis {

namespace {

OVERLAPPED at(std::uintmax_t offset) {
    OVERLAPPED where{};
    where.Offset = static_cast<DWORD>(offset & 0xFFFFFFFFu);
    where.OffsetHigh = static_cast<DWORD>(offset >> 32);
    return where;
}

// Its owner's lock keeps each seek together with its read.
class Win32SharedFile : public SharedFile {
public:
    explicit Win32SharedFile(win32::Handle file) : file_(std::move(file)) {}

    std::optional<std::uintmax_t> size() override {
        LARGE_INTEGER length{};
        if (!GetFileSizeEx(file_.get(), &length) || length.QuadPart < 0) return std::nullopt;
        return static_cast<std::uintmax_t>(length.QuadPart);
    }

    // A seek, then a plain read: Wine answers a read that names its offset through its server, a
    // tenth of a millisecond each (as long as decoding the thumbnail), a plain one at once.
    bool read_at(std::uintmax_t offset, std::size_t length, std::string& bytes) override {
        LARGE_INTEGER from{};
        from.QuadPart = static_cast<LONGLONG>(offset);
        if (offset > static_cast<std::uintmax_t>(INT64_MAX) ||
            !SetFilePointerEx(file_.get(), from, nullptr, FILE_BEGIN))
            return false;
        bytes.resize(length);
        std::size_t done = 0;
        while (done < length) {
            DWORD got = 0;
            const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(length - done, 1u << 30));
            if (!ReadFile(file_.get(), bytes.data() + done, chunk, &got, nullptr) || got == 0) return false;
            done += got;
        }
        return true;
    }

    // Written at the length the file has now: another copy appending at the same moment can
    // spoil both records, which their readers then find damaged and skip.
    std::optional<std::uintmax_t> append(std::string_view bytes) override {
        const auto end = size();
        if (!end || bytes.size() > 0xFFFFFFFFu) return std::nullopt;
        OVERLAPPED where = at(*end);
        DWORD wrote = 0;
        if (!WriteFile(file_.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &wrote, &where) ||
            wrote != bytes.size())
            return std::nullopt;
        return end;
    }

private:
    win32::Handle file_;
};

}  // namespace

std::unique_ptr<SharedFile> open_shared_file(const std::string& path) {
    const std::wstring name = win32::long_path(path);
    if (name.empty()) return nullptr;
    // Shared for writing and deleting too, so another copy may append and the user may delete.
    win32::Handle file(CreateFileW(name.c_str(), GENERIC_READ | GENERIC_WRITE,
                                   FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_ALWAYS,
                                   FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.valid()) return nullptr;
    return std::make_unique<Win32SharedFile>(std::move(file));
}

}  // namespace vis
