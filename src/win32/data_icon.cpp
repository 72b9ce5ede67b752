#include "win32/data_icon.h"

#include <wincodec.h>

#include <cstring>
#include <memory>
#include <optional>
#include <string>
#include <utility>

#include "imaging/stored_png.h"
#include "services/paths.h"
#include "services/whole_file.h"
#include "win32/dib_info.h"
#include "win32/wide.h"

namespace vis::win32 {

namespace {

// The program's icons are small; anything larger is no icon of ours.
constexpr UINT kMaxSide = 1024;

struct Release {
    void operator()(IUnknown* p) const { p->Release(); }
};
template <class T>
using Com = std::unique_ptr<T, Release>;

// Any picture WIC reads (PNG for the icons), as 32-bit BGRA with straight alpha.
bool decode(const std::wstring& path, int& width, int& height, std::vector<std::uint32_t>& pixels) {
    IWICImagingFactory* raw_factory = nullptr;
    if (FAILED(CoCreateInstance(CLSID_WICImagingFactory1, nullptr, CLSCTX_INPROC_SERVER, IID_IWICImagingFactory,
                                reinterpret_cast<void**>(&raw_factory))))
        return false;
    Com<IWICImagingFactory> factory(raw_factory);
    IWICBitmapDecoder* raw_decoder = nullptr;
    if (FAILED(factory->CreateDecoderFromFilename(path.c_str(), nullptr, GENERIC_READ, WICDecodeMetadataCacheOnDemand,
                                                  &raw_decoder)))
        return false;
    Com<IWICBitmapDecoder> decoder(raw_decoder);
    IWICBitmapFrameDecode* raw_frame = nullptr;
    if (FAILED(decoder->GetFrame(0, &raw_frame))) return false;
    Com<IWICBitmapFrameDecode> frame(raw_frame);
    IWICFormatConverter* raw_converter = nullptr;
    if (FAILED(factory->CreateFormatConverter(&raw_converter))) return false;
    Com<IWICFormatConverter> converter(raw_converter);
    if (FAILED(converter->Initialize(frame.get(), GUID_WICPixelFormat32bppBGRA, WICBitmapDitherTypeNone, nullptr, 0.0,
                                     WICBitmapPaletteTypeCustom)))
        return false;
    UINT w = 0, h = 0;
    if (FAILED(converter->GetSize(&w, &h)) || w == 0 || h == 0 || w > kMaxSide || h > kMaxSide) return false;
    std::vector<std::uint32_t> out(static_cast<std::size_t>(w) * h);
    if (FAILED(converter->CopyPixels(nullptr, w * 4, static_cast<UINT>(out.size() * 4),
                                     reinterpret_cast<BYTE*>(out.data()))))
        return false;
    width = static_cast<int>(w);
    height = static_cast<int>(h);
    pixels = std::move(out);
    return true;
}

// The program's own icons keep their pixels uncompressed: read without starting COM and WIC.
bool read_own(const std::string& path, int& width, int& height, std::vector<std::uint32_t>& pixels) {
    const std::optional<std::string> bytes = read_whole_file(path, std::uintmax_t{1} << 22);
    StoredPng png;
    if (!bytes ||
        !read_stored_png({reinterpret_cast<const std::uint8_t*>(bytes->data()), bytes->size()}, kMaxSide, png))
        return false;
    width = png.width;
    height = png.height;
    pixels = std::move(png.pixels);
    return true;
}

std::uint32_t premultiplied(std::uint32_t p) {
    const std::uint32_t a = p >> 24;
    const auto scale = [a](std::uint32_t c) { return (c * a + 127) / 255; };
    return (a << 24) | (scale((p >> 16) & 0xFF) << 16) | (scale((p >> 8) & 0xFF) << 8) | scale(p & 0xFF);
}

// A top-down 32-bit DIB section holding `pixels`, each passed through `convert`.
template <class Convert>
HBITMAP make_dib(int width, int height, const std::vector<std::uint32_t>& pixels, Convert convert) {
    BITMAPINFO info = top_down_32bit(width, height);
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (bitmap == nullptr) return nullptr;
    auto* out = static_cast<std::uint32_t*>(bits);
    for (std::size_t i = 0; i < pixels.size(); ++i) out[i] = convert(pixels[i]);
    GdiFlush();
    return bitmap;
}

}  // namespace

DataIcon::~DataIcon() {
    clear();
}

void DataIcon::clear() {
    if (bitmap_ != nullptr) DeleteObject(bitmap_);
    bitmap_ = nullptr;
    width_ = height_ = 0;
    pixels_.clear();
}

void DataIcon::load(const std::string& program_folder, const std::string& resource) {
    clear();
    if (resource.empty()) return;
    const std::string path = join_path(join_path(program_folder, "data"), resource);
    if (!read_own(path, width_, height_, pixels_) && !decode(widen(path), width_, height_, pixels_)) {
        clear();
        return;
    }
    bitmap_ = make_dib(width_, height_, pixels_, premultiplied);
    if (bitmap_ == nullptr) clear();
}

void DataIcon::draw(HDC dc, const RECT& to) const {
    if (bitmap_ == nullptr) return;
    HDC source = CreateCompatibleDC(dc);
    const HGDIOBJ old = SelectObject(source, bitmap_);
    const BLENDFUNCTION blend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
    AlphaBlend(dc, to.left, to.top, to.right - to.left, to.bottom - to.top, source, 0, 0, width_, height_, blend);
    SelectObject(source, old);
    DeleteDC(source);
}

HCURSOR DataIcon::make_pointer(int hot_x, int hot_y) const {
    if (bitmap_ == nullptr) return nullptr;
    // A pointer's colours carry their alpha unapplied; the mask shows the screen where the icon
    // is fully transparent, for systems that draw pointers without alpha.
    HBITMAP colour = make_dib(width_, height_, pixels_, [](std::uint32_t p) { return p; });
    const int stride = (width_ + 15) / 16 * 2;
    std::vector<BYTE> mask_bits(static_cast<std::size_t>(stride) * height_, 0);
    for (int y = 0; y < height_; ++y)
        for (int x = 0; x < width_; ++x)
            if ((pixels_[static_cast<std::size_t>(y) * width_ + x] >> 24) == 0)
                mask_bits[static_cast<std::size_t>(y) * stride + x / 8] |= static_cast<BYTE>(0x80 >> (x % 8));
    HBITMAP mask = CreateBitmap(width_, height_, 1, 1, mask_bits.data());
    HCURSOR pointer = nullptr;
    if (colour != nullptr && mask != nullptr) {
        ICONINFO info{FALSE, static_cast<DWORD>(hot_x), static_cast<DWORD>(hot_y), mask, colour};
        pointer = CreateIconIndirect(&info);
    }
    if (colour != nullptr) DeleteObject(colour);
    if (mask != nullptr) DeleteObject(mask);
    return pointer;
}

}  // namespace vis::win32
