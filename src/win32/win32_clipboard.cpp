#include "win32/win32_clipboard.h"

#include <windows.h>

#include <cstring>

#include "win32/file_drop.h"

namespace vis::win32 {

namespace {

// A packed DIB: the header, then the rows bottom up, 32 bits a pixel in the picture's own layout.
HGLOBAL packed_dib(const Picture& picture) {
    const std::size_t row = static_cast<std::size_t>(picture.width) * 4;
    const std::size_t bytes = sizeof(BITMAPINFOHEADER) + row * static_cast<std::size_t>(picture.height);
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes);
    if (memory == nullptr) return nullptr;
    auto* header = static_cast<BITMAPINFOHEADER*>(GlobalLock(memory));
    if (header == nullptr) {
        GlobalFree(memory);
        return nullptr;
    }
    *header = BITMAPINFOHEADER{};
    header->biSize = sizeof(BITMAPINFOHEADER);
    header->biWidth = picture.width;
    header->biHeight = picture.height;
    header->biPlanes = 1;
    header->biBitCount = 32;
    header->biCompression = BI_RGB;
    header->biSizeImage = static_cast<DWORD>(row * static_cast<std::size_t>(picture.height));
    auto* rows = reinterpret_cast<unsigned char*>(header + 1);
    for (int y = 0; y < picture.height; ++y)
        std::memcpy(rows + row * static_cast<std::size_t>(picture.height - 1 - y),
                    picture.pixels->data() + static_cast<std::size_t>(y) * static_cast<std::size_t>(picture.width),
                    row);
    GlobalUnlock(memory);
    return memory;
}

}  // namespace

bool Win32Clipboard::set_picture(const Picture& picture) {
    if (picture.empty()) return false;
    HGLOBAL dib = packed_dib(picture);
    if (dib == nullptr) return false;
    // Another program may hold the clipboard: then nothing changes and the caller says so.
    if (!OpenClipboard(nullptr)) {
        GlobalFree(dib);
        return false;
    }
    const bool placed = EmptyClipboard() && SetClipboardData(CF_DIB, dib) != nullptr;
    CloseClipboard();
    // Once placed the clipboard owns the memory.
    if (!placed) GlobalFree(dib);
    return placed;
}

bool Win32Clipboard::set_file(const std::string& path) {
    HGLOBAL drop = file_drop_memory(path);
    HGLOBAL effect = copy_effect_memory();
    const UINT effect_format = preferred_effect_format();
    if (drop == nullptr || effect == nullptr || effect_format == 0 || !OpenClipboard(nullptr)) {
        if (drop != nullptr) GlobalFree(drop);
        if (effect != nullptr) GlobalFree(effect);
        return false;
    }
    // The file alone: a picture beside it would be what some programs take instead.
    const bool placed = EmptyClipboard() && SetClipboardData(CF_HDROP, drop) != nullptr;
    if (!placed) GlobalFree(drop);
    if (!placed || SetClipboardData(effect_format, effect) == nullptr) GlobalFree(effect);
    CloseClipboard();
    return placed;
}

}  // namespace vis::win32
