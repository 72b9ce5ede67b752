#include "imaging/jpeg.h"

#include <turbojpeg.h>

#include <iterator>
#include <memory>

#include "services/whole_file.h"

namespace vis {

namespace {

struct TjDeleter {
    void operator()(void* h) const { tjDestroy(h); }
};
using TjHandle = std::unique_ptr<void, TjDeleter>;

// A screenshot file is never larger than this; anything bigger is not read into memory.
constexpr std::uintmax_t kMaxFileBytes = 256ULL * 1024 * 1024;

}  // namespace

std::optional<Picture> decode_jpeg(const unsigned char* data, std::size_t size) {
    if (data == nullptr || size == 0 || size > kMaxFileBytes) return std::nullopt;
    TjHandle h(tjInitDecompress());
    if (!h) return std::nullopt;
    int width = 0, height = 0, subsamp = 0, colorspace = 0;
    if (tjDecompressHeader3(h.get(), data, static_cast<unsigned long>(size), &width, &height, &subsamp, &colorspace) !=
        0)
        return std::nullopt;
    if (width <= 0 || height <= 0 || width > kMaxPictureSide || height > kMaxPictureSide ||
        static_cast<long long>(width) * height > kMaxPicturePixels)
        return std::nullopt;
    auto pixels = std::make_shared<std::vector<std::uint32_t>>(static_cast<std::size_t>(width) * height);
    // A truncated or damaged file only half decodes: refuse it rather than show a grey remainder.
    // Stopping at the first warning refuses it as soon as the damage shows, and a progressive file
    // of thousands of scans (a few bytes each, a long decode) is refused instead of decoded.
    const int rc =
        tjDecompress2(h.get(), data, static_cast<unsigned long>(size), reinterpret_cast<unsigned char*>(pixels->data()),
                      width, width * 4, height, TJPF_BGRX, TJFLAG_STOPONWARNING | TJFLAG_LIMITSCANS);
    if (rc != 0) return std::nullopt;
    Picture p;
    p.width = width;
    p.height = height;
    p.pixels = std::move(pixels);
    return p;
}

std::optional<Picture> decode_jpeg_file(const std::string& path) {
    const auto bytes = read_whole_file(path, kMaxFileBytes);
    if (!bytes || bytes->empty()) return std::nullopt;
    return decode_jpeg(reinterpret_cast<const unsigned char*>(bytes->data()), bytes->size());
}

std::vector<unsigned char> encode_jpeg(const Picture& picture, int quality) {
    if (picture.empty()) return {};
    TjHandle h(tjInitCompress());
    if (!h) return {};
    unsigned char* out = nullptr;
    unsigned long out_size = 0;
    const int rc = tjCompress2(h.get(), reinterpret_cast<const unsigned char*>(picture.pixels->data()), picture.width,
                               picture.width * 4, picture.height, TJPF_BGRX, &out, &out_size, TJSAMP_420, quality, 0);
    std::vector<unsigned char> result;
    if (rc == 0 && out != nullptr) result.assign(out, out + out_size);
    tjFree(out);
    return result;
}

}  // namespace vis
