#include "services/file_system.h"

#include <fcntl.h>
#include <sys/sendfile.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <fstream>
#include <system_error>

#include "services/paths.h"

namespace vis {

namespace fs = std::filesystem;

namespace {

// An open file that is closed when it goes out of scope.
class Fd {
public:
    explicit Fd(int fd) : fd_(fd) {}
    Fd(const Fd&) = delete;
    Fd& operator=(const Fd&) = delete;
    ~Fd() {
        if (fd_ >= 0) ::close(fd_);
    }
    explicit operator bool() const { return fd_ >= 0; }
    int get() const { return fd_; }
    // Closes now, for a close that can report a failed write-back.
    bool close() {
        const int fd = fd_;
        fd_ = -1;
        return ::close(fd) == 0;
    }

private:
    int fd_;
};

int open_path(const std::string& path, int flags, mode_t mode = 0) {
    return ::open(to_fs_path(path).c_str(), flags | O_CLOEXEC, mode);
}

// The whole of `in` into `out` inside the kernel, without passing it through this process.
bool send_all(int in, int out, off_t length) {
    while (length > 0) {
        const ssize_t sent = ::sendfile(out, in, nullptr, static_cast<std::size_t>(length));
        if (sent < 0 && errno == EINTR) continue;
        // A file that shrank meanwhile ends early: a short copy is no copy.
        if (sent <= 0) return false;
        length -= sent;
    }
    return true;
}

}  // namespace

bool DiskFileSystem::write(const std::string& path, std::string_view bytes) {
    std::ofstream out(to_fs_path(path), std::ios::binary | std::ios::trunc);
    if (!out) return false;
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.flush();
    out.close();
    return !out.fail();
}

NewFile DiskFileSystem::create_new(const std::string& path) {
    Fd file(open_path(path, O_WRONLY | O_CREAT | O_EXCL, 0666));
    if (file) return file.close() ? NewFile::made : NewFile::failed;
    return errno == EEXIST ? NewFile::taken : NewFile::failed;
}

bool DiskFileSystem::rename(const std::string& from, const std::string& to) {
    std::error_code ec;
    fs::rename(to_fs_path(from), to_fs_path(to), ec);
    return !ec;
}

bool DiskFileSystem::copy(const std::string& from, const std::string& to) {
    const Fd in(open_path(from, O_RDONLY));
    struct stat source {};
    if (!in || ::fstat(in.get(), &source) != 0 || !S_ISREG(source.st_mode)) return false;
    Fd out(open_path(to, O_WRONLY | O_CREAT | O_TRUNC, source.st_mode & 0777));
    if (!out || !send_all(in.get(), out.get(), source.st_size)) return false;
    // Set on the open copy: no second look-up of either path. The copy may be a file made
    // beforehand, so it is given the source's permissions here rather than when it is opened.
    const timespec times[2] = {{0, UTIME_OMIT}, source.st_mtim};
    return ::futimens(out.get(), times) == 0 && ::fchmod(out.get(), source.st_mode & 0777) == 0 && out.close();
}

bool DiskFileSystem::flush(const std::string& path) {
    Fd file(open_path(path, O_RDONLY));
    return file && ::fsync(file.get()) == 0 && file.close();
}

bool DiskFileSystem::remove(const std::string& path) {
    std::error_code ec;
    fs::remove(to_fs_path(path), ec);
    return !ec && !fs::exists(fs::symlink_status(to_fs_path(path), ec));
}

// Attributes do not stand in the way of removing a file here.
bool DiskFileSystem::discard(const std::string& path) {
    return remove(path);
}

bool DiskFileSystem::make_folder(const std::string& path) {
    std::error_code ec;
    return fs::create_directory(to_fs_path(path), ec) && !ec;
}

std::optional<std::uintmax_t> DiskFileSystem::size(const std::string& path) {
    // One look at the file answers both questions.
    struct stat st {};
    if (::stat(to_fs_path(path).c_str(), &st) != 0 || !S_ISREG(st.st_mode)) return std::nullopt;
    return static_cast<std::uintmax_t>(st.st_size);
}

PathKind DiskFileSystem::kind(const std::string& path) {
    struct stat st {};
    if (::stat(to_fs_path(path).c_str(), &st) != 0)
        return errno == ENOENT || errno == ENOTDIR ? PathKind::missing : PathKind::unknown;
    return S_ISDIR(st.st_mode) ? PathKind::folder : PathKind::file;
}

bool DiskFileSystem::same_file(const std::string& a, const std::string& b) {
    std::error_code ec;
    return fs::equivalent(to_fs_path(a), to_fs_path(b), ec) && !ec;
}

}  // namespace vis
