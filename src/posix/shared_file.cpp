#include "services/shared_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "services/paths.h"

namespace vis {

namespace {

// An open file never stops a delete or a rename here.
class PosixSharedFile : public SharedFile {
public:
    explicit PosixSharedFile(int fd) : fd_(fd) {}
    ~PosixSharedFile() override { ::close(fd_); }
    PosixSharedFile(const PosixSharedFile&) = delete;
    PosixSharedFile& operator=(const PosixSharedFile&) = delete;

    std::optional<std::uintmax_t> size() override {
        struct stat st {};
        if (::fstat(fd_, &st) != 0 || st.st_size < 0) return std::nullopt;
        return static_cast<std::uintmax_t>(st.st_size);
    }

    bool read_at(std::uintmax_t offset, std::size_t length, std::string& bytes) override {
        bytes.resize(length);
        std::size_t done = 0;
        while (done < length) {
            const ssize_t got = ::pread(fd_, bytes.data() + done, length - done, static_cast<off_t>(offset + done));
            if (got <= 0) return false;
            done += static_cast<std::size_t>(got);
        }
        return true;
    }

    // O_APPEND puts the write at the end even when another copy appended meanwhile; the file's
    // offset after it tells where it went.
    std::optional<std::uintmax_t> append(std::string_view bytes) override {
        const ssize_t wrote = ::write(fd_, bytes.data(), bytes.size());
        if (wrote < 0 || static_cast<std::size_t>(wrote) != bytes.size()) return std::nullopt;
        const off_t end = ::lseek(fd_, 0, SEEK_CUR);
        if (end < static_cast<off_t>(bytes.size())) return std::nullopt;
        return static_cast<std::uintmax_t>(end) - bytes.size();
    }

private:
    const int fd_;
};

}  // namespace

std::unique_ptr<SharedFile> open_shared_file(const std::string& path) {
    const int fd = ::open(to_fs_path(path).c_str(), O_RDWR | O_CREAT | O_APPEND | O_CLOEXEC, 0644);
    if (fd < 0) return nullptr;
    return std::make_unique<PosixSharedFile>(fd);
}

}  // namespace vis
