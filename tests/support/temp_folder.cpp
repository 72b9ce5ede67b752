#include "temp_folder.h"

#include <filesystem>
#include <limits>
#include <random>
#include <stdexcept>
#include <vector>

#include "imaging/jpeg.h"
#include "services/file_ops.h"
#include "services/paths.h"
#include "services/whole_file.h"
#include "system_file_system.h"

namespace vis::test {

namespace fs = std::filesystem;

TempFolder::TempFolder() {
    std::random_device rd;
    const auto base = fs::temp_directory_path() / ("vistelle-test-" + std::to_string(rd()) + std::to_string(rd()));
    fs::create_directories(base);
    path_ = from_fs_path(base);
}

TempFolder::~TempFolder() {
    std::error_code ec;
    // Tests may leave read-only folders behind; make them writable so the cleanup succeeds.
    for (auto it = fs::recursive_directory_iterator(to_fs_path(path_), ec); !ec && it != fs::end(it);
         it.increment(ec)) {
        fs::permissions(it->path(), fs::perms::owner_all, fs::perm_options::add, ec);
    }
    fs::remove_all(to_fs_path(path_), ec);
}

std::string read_file(const std::string& path) {
    return read_whole_file(path, std::numeric_limits<std::uintmax_t>::max()).value_or("");
}

namespace {

// A test's files need not outlast a power cut: nothing waits for the disk.
struct UnflushedDisk : SystemFileSystem {
    bool flush(const std::string&) override { return true; }
};

}  // namespace

void write_file(const std::string& path, const std::string& bytes) {
    // Through a temporary file renamed over the target: a worker of the program may be reading the
    // file at that moment, which Windows lets a rename replace but not a write.
    UnflushedDisk fs;
    if (!write_whole_file(fs, path, bytes)) throw std::runtime_error("cannot write " + path);
}

void set_modified(const std::string& path, std::time_t when) {
    const auto sys = std::chrono::system_clock::from_time_t(when);
    fs::last_write_time(to_fs_path(path), std::chrono::file_clock::from_sys(sys));
}

std::string write_jpeg(const std::string& path, int width, int height, Colour colour) {
    auto pixels = std::make_shared<std::vector<std::uint32_t>>(static_cast<std::size_t>(width) * height);
    const std::uint32_t value = 0xFF000000u | (static_cast<std::uint32_t>(red_of(colour)) << 16) |
                                (static_cast<std::uint32_t>(green_of(colour)) << 8) | blue_of(colour);
    std::fill(pixels->begin(), pixels->end(), value);
    Picture p{width, height, pixels};
    const auto bytes = encode_jpeg(p, 80);
    std::string s(bytes.begin(), bytes.end());
    write_file(path, s);
    return s;
}

GameFolders::GameFolders() {
    program = join_path(root.path(), "program");
    game = join_path(root.path(), "game");
    shots = join_path(game, "Screen Save");
    fs::create_directories(to_fs_path(join_path(program, "data")));
    fs::create_directories(to_fs_path(shots));
}

std::string GameFolders::settings_file() const {
    return join_path(join_path(program, "data"), "setting.mto");
}

void GameFolders::write_settings(const std::string& info, const std::string& music,
                                 const std::string& save_folder) const {
    write_file(settings_file(),
               game + "\r\n" + info + "\r\n" + music + "\r\n" + (save_folder.empty() ? game : save_folder) + "\r\n");
}

std::string GameFolders::add_shot(const std::string& name, std::time_t when, int width, int height,
                                  Colour colour) const {
    const std::string path = join_path(shots, name);
    write_jpeg(path, width, height, colour);
    set_modified(path, when);
    return path;
}

}  // namespace vis::test
