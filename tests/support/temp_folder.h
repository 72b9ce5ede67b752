#pragma once
// Real files in a temporary folder: a program folder with data/, a game folder with
// "Screen Save", and screenshots written as real JPEGs with chosen save times.
#include <cstdint>
#include <ctime>
#include <string>

#include "ui/colour.h"

namespace vis::test {

class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;
    const std::string& path() const { return path_; }

private:
    std::string path_;
};

std::string read_file(const std::string& path);
void write_file(const std::string& path, const std::string& bytes);
void set_modified(const std::string& path, std::time_t when);
// A w x h JPEG of one colour (quality 80); returns its bytes as written.
std::string write_jpeg(const std::string& path, int width, int height, Colour colour = rgb(40, 120, 200));

// A program folder (with data/) and a game folder (with "Screen Save") under one temp folder.
struct GameFolders {
    GameFolders();
    TempFolder root;
    std::string program;  // holds data/
    std::string game;     // holds "Screen Save"
    std::string shots;    // game + "/Screen Save"
    std::string settings_file() const;
    // Writes data/setting.mto: game folder, flags, save folder, each ended by CR LF.
    void write_settings(const std::string& info = "1", const std::string& music = "0",
                        const std::string& save_folder = {}) const;
    // A screenshot saved at `when` (seconds since the epoch); returns its full path.
    std::string add_shot(const std::string& name, std::time_t when, int width = 64, int height = 48,
                         Colour colour = rgb(40, 120, 200)) const;
};

}  // namespace vis::test
