#pragma once
// A small picture that ships with the program (data/<name>, a PNG), drawn with its transparency:
// the icons of image controls and graphical buttons, and the editor's pointer. The program's own
// PNGs are read directly; any other goes through the Windows Imaging Component.
#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

namespace vis::win32 {

class DataIcon {
public:
    DataIcon() = default;
    ~DataIcon();
    DataIcon(const DataIcon&) = delete;
    DataIcon& operator=(const DataIcon&) = delete;

    // Decodes data/<resource> of the program folder. A missing or unreadable file, or an empty
    // name, leaves the icon empty: nothing is drawn and no pointer is made.
    void load(const std::string& program_folder, const std::string& resource);
    bool empty() const { return bitmap_ == nullptr; }
    int width() const { return width_; }
    int height() const { return height_; }

    // Blends the icon over what `dc` shows, scaled to `to`.
    void draw(HDC dc, const RECT& to) const;
    // A pointer showing the icon with its hot spot at (hot_x, hot_y), or nullptr when empty.
    // The caller destroys it.
    HCURSOR make_pointer(int hot_x, int hot_y) const;

private:
    void clear();

    int width_ = 0;
    int height_ = 0;
    std::vector<std::uint32_t> pixels_;  // BGRA, alpha not applied, top row first
    HBITMAP bitmap_ = nullptr;           // the same with alpha applied, as AlphaBlend wants it
};

}  // namespace vis::win32
