#include "ansi.h"

#ifdef _WIN32
#include <windows.h>
#endif

namespace vis {

#ifdef _WIN32
namespace {
std::string convert(const std::string& in, UINT from, UINT to) {
    if (in.empty()) return {};
    const int wide_len = MultiByteToWideChar(from, 0, in.data(), static_cast<int>(in.size()), nullptr, 0);
    if (wide_len <= 0) return in;
    std::wstring wide(static_cast<std::size_t>(wide_len), L'\0');
    MultiByteToWideChar(from, 0, in.data(), static_cast<int>(in.size()), wide.data(), wide_len);
    const int out_len = WideCharToMultiByte(to, 0, wide.data(), wide_len, nullptr, 0, nullptr, nullptr);
    if (out_len <= 0) return in;
    std::string out(static_cast<std::size_t>(out_len), '\0');
    WideCharToMultiByte(to, 0, wide.data(), wide_len, out.data(), out_len, nullptr, nullptr);
    return out;
}
}  // namespace

std::string to_ansi(const std::string& utf8) {
    return convert(utf8, CP_UTF8, CP_ACP);
}
std::string from_ansi(const std::string& bytes) {
    return convert(bytes, CP_ACP, CP_UTF8);
}
#else
std::string to_ansi(const std::string& utf8) {
    return utf8;
}
std::string from_ansi(const std::string& bytes) {
    return bytes;
}
#endif

}  // namespace vis
