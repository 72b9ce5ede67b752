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

// The smallest of the scales 1/2, 1/4 and 1/8 at which `width` x `height` still covers the wanted
// size; 1/1 when none does. Those three have the decoder's fast paths; 3/8 and the like do not.
tjscalingfactor scale_for(int width, int height, int min_width, int min_height) {
    tjscalingfactor best{1, 1};
    int count = 0;
    const tjscalingfactor* factors = tjGetScalingFactors(&count);
    for (int i = 0; factors != nullptr && i < count; ++i) {
        const tjscalingfactor f = factors[i];
        if (f.num != 1) continue;
        if (TJSCALED(width, f) < min_width || TJSCALED(height, f) < min_height) continue;
        if (static_cast<long long>(f.num) * best.denom < static_cast<long long>(best.num) * f.denom) best = f;
    }
    return best;
}

// Inverted inks (255 for none) to B, G, R, unused, in place: each ink darkens its colour and black
// darkens all three.
void cmyk_to_bgrx(std::vector<std::uint32_t>& pixels) {
    auto* bytes = reinterpret_cast<unsigned char*>(pixels.data());
    for (std::size_t i = 0, n = pixels.size() * 4; i < n; i += 4) {
        const unsigned c = bytes[i], m = bytes[i + 1], y = bytes[i + 2], k = bytes[i + 3];
        bytes[i] = static_cast<unsigned char>((y * k + 127) / 255);
        bytes[i + 1] = static_cast<unsigned char>((m * k + 127) / 255);
        bytes[i + 2] = static_cast<unsigned char>((c * k + 127) / 255);
        bytes[i + 3] = 0;
    }
}

std::optional<Picture> decode(const unsigned char* data, std::size_t size, int min_width, int min_height) {
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
    const tjscalingfactor scale = scale_for(width, height, min_width, min_height);
    width = TJSCALED(width, scale);
    height = TJSCALED(height, scale);
    auto pixels = std::make_shared<std::vector<std::uint32_t>>(static_cast<std::size_t>(width) * height);
    // The decoder turns CMYK into nothing else: it gives the inks, converted here.
    const bool inks = colorspace == TJCS_CMYK || colorspace == TJCS_YCCK;
    // A truncated or damaged file only half decodes: refuse it rather than show a grey remainder.
    // Stopping at the first warning refuses it as soon as the damage shows, and a progressive file
    // of thousands of scans (a few bytes each, a long decode) is refused instead of decoded.
    const int rc =
        tjDecompress2(h.get(), data, static_cast<unsigned long>(size), reinterpret_cast<unsigned char*>(pixels->data()),
                      width, width * 4, height, inks ? TJPF_CMYK : TJPF_BGRX, TJFLAG_STOPONWARNING | TJFLAG_LIMITSCANS);
    if (rc != 0) return std::nullopt;
    if (inks) cmyk_to_bgrx(*pixels);
    Picture p;
    p.width = width;
    p.height = height;
    p.pixels = std::move(pixels);
    return p;
}

std::optional<Picture> decode_file(const std::string& path, int min_width, int min_height) {
    const auto bytes = read_whole_file(path, kMaxFileBytes);
    if (!bytes || bytes->empty()) return std::nullopt;
    return decode(reinterpret_cast<const unsigned char*>(bytes->data()), bytes->size(), min_width, min_height);
}

}  // namespace

std::optional<Picture> decode_jpeg(const unsigned char* data, std::size_t size) {
    return decode(data, size, kMaxPictureSide, kMaxPictureSide);
}

std::optional<Picture> decode_jpeg_file(const std::string& path) {
    return decode_file(path, kMaxPictureSide, kMaxPictureSide);
}

std::optional<Picture> decode_jpeg_file_scaled(const std::string& path, int min_width, int min_height) {
    // Thumbnails are decoded by the thousand on a few worker threads: each thread reads into the
    // same buffer every time rather than taking a screenshot's size from the heap at every one,
    // which Wine's heap answers by growing. A rare huge file's buffer is not kept.
    constexpr std::size_t kKeptBufferBytes = 8u << 20;
    thread_local std::string bytes;
    std::optional<Picture> picture;
    if (read_whole_file_into(path, kMaxFileBytes, bytes) && !bytes.empty())
        picture = decode(reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size(), min_width, min_height);
    if (bytes.capacity() > kKeptBufferBytes) std::string().swap(bytes);
    return picture;
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
