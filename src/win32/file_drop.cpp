#include "win32/file_drop.h"

#include <shlobj.h>

#include <cstring>

#include "win32/wide.h"

namespace vis::win32 {

namespace {

std::wstring full_path(const std::string& path) {
    const std::wstring wide = widen(path);
    const DWORD needed = GetFullPathNameW(wide.c_str(), 0, nullptr, nullptr);
    if (needed == 0) return {};
    std::wstring full(needed, L'\0');
    const DWORD length = GetFullPathNameW(wide.c_str(), needed, full.data(), nullptr);
    if (length == 0 || length >= needed) return {};
    full.resize(length);
    return full;
}

}  // namespace

HGLOBAL file_drop_memory(const std::string& path) {
    const std::wstring full = full_path(path);
    if (full.empty()) return nullptr;
    // The names follow the header, each ended by a zero, and the list by one more.
    const std::size_t bytes = sizeof(DROPFILES) + (full.size() + 2) * sizeof(wchar_t);
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, bytes);
    if (memory == nullptr) return nullptr;
    auto* drop = static_cast<DROPFILES*>(GlobalLock(memory));
    if (drop == nullptr) {
        GlobalFree(memory);
        return nullptr;
    }
    drop->pFiles = sizeof(DROPFILES);
    drop->fWide = TRUE;
    std::memcpy(reinterpret_cast<unsigned char*>(drop) + sizeof(DROPFILES), full.data(), full.size() * sizeof(wchar_t));
    GlobalUnlock(memory);
    return memory;
}

HGLOBAL copy_effect_memory() {
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, sizeof(DWORD));
    if (memory == nullptr) return nullptr;
    auto* effect = static_cast<DWORD*>(GlobalLock(memory));
    if (effect == nullptr) {
        GlobalFree(memory);
        return nullptr;
    }
    *effect = DROPEFFECT_COPY;
    GlobalUnlock(memory);
    return memory;
}

UINT preferred_effect_format() {
    return RegisterClipboardFormatW(CFSTR_PREFERREDDROPEFFECT);
}

}  // namespace vis::win32
