#include "decoder/PngImage.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <string>
#include <vector>

#include "decoder/Inflate.h"

namespace zorbel::decoder {
namespace {

constexpr std::string_view kSignature = "\x89PNG\r\n\x1A\n";
// Beyond this many pixels a file is refused rather than unpacked: a chart of
// 20 minutes at 1809 elements has 4.3 million.
constexpr std::uint64_t kMostPixels = 64u << 20;
constexpr std::size_t kLargestStoredBlock = 65535;

std::uint32_t Crc32(std::string_view bytes) {
    static const std::array<std::uint32_t, 256> table = [] {
        std::array<std::uint32_t, 256> made{};
        for (std::uint32_t index = 0; index < 256; ++index) {
            std::uint32_t value = index;
            for (int bit = 0; bit < 8; ++bit) value = (value & 1u) ? 0xEDB88320u ^ (value >> 1) : value >> 1;
            made[index] = value;
        }
        return made;
    }();
    std::uint32_t crc = 0xFFFFFFFFu;
    for (const char byte : bytes) crc = table[(crc ^ static_cast<std::uint8_t>(byte)) & 0xFFu] ^ (crc >> 8);
    return crc ^ 0xFFFFFFFFu;
}

std::uint32_t Adler32(std::string_view bytes) {
    std::uint32_t low = 1, high = 0;
    for (const char byte : bytes) {
        low = (low + static_cast<std::uint8_t>(byte)) % 65521u;
        high = (high + low) % 65521u;
    }
    return (high << 16) | low;
}

void PutBig(std::string& bytes, std::uint32_t value) {
    for (int shift = 24; shift >= 0; shift -= 8) bytes += static_cast<char>((value >> shift) & 0xFFu);
}

std::uint32_t Big(std::string_view bytes, std::size_t at) {
    std::uint32_t value = 0;
    for (std::size_t index = 0; index < 4; ++index) value = (value << 8) | static_cast<std::uint8_t>(bytes[at + index]);
    return value;
}

void PutChunk(std::string& png, std::string_view type, std::string_view data) {
    PutBig(png, static_cast<std::uint32_t>(data.size()));
    const std::string typed = std::string(type) + std::string(data);
    png += typed;
    PutBig(png, Crc32(typed));
}

struct Header {
    std::uint32_t width = 0, height = 0;
    int bitDepth = 0, colourType = 0;
    int Channels() const {
        switch (colourType) {
        case 0:
        case 3:
            return 1;
        case 4:
            return 2;
        case 2:
            return 3;
        case 6:
            return 4;
        default:
            return 0;
        }
    }
};

int Paeth(int left, int up, int upLeft) {
    const int estimate = left + up - upLeft;
    const int toLeft = std::abs(estimate - left), toUp = std::abs(estimate - up),
              toUpLeft = std::abs(estimate - upLeft);
    if (toLeft <= toUp && toLeft <= toUpLeft) return left;
    return toUp <= toUpLeft ? up : upLeft;
}

// Undoes each row's filter in place; returns the rows without their filter
// bytes.
std::vector<std::uint8_t> Unfilter(const std::vector<std::uint8_t>& data, std::size_t rowBytes, std::size_t rows,
                                   std::size_t pixelBytes) {
    if (data.size() < rows * (rowBytes + 1)) throw std::runtime_error("the PNG file's picture ends early");
    std::vector<std::uint8_t> out(rows * rowBytes);
    for (std::size_t row = 0; row < rows; ++row) {
        const std::uint8_t filter = data[row * (rowBytes + 1)];
        const std::uint8_t* in = &data[row * (rowBytes + 1) + 1];
        std::uint8_t* line = &out[row * rowBytes];
        const std::uint8_t* above = row > 0 ? line - rowBytes : nullptr;
        for (std::size_t index = 0; index < rowBytes; ++index) {
            const int left = index >= pixelBytes ? line[index - pixelBytes] : 0;
            const int up = above ? above[index] : 0;
            const int upLeft = above && index >= pixelBytes ? above[index - pixelBytes] : 0;
            int predicted = 0;
            switch (filter) {
            case 0:
                break;
            case 1:
                predicted = left;
                break;
            case 2:
                predicted = up;
                break;
            case 3:
                predicted = (left + up) / 2;
                break;
            case 4:
                predicted = Paeth(left, up, upLeft);
                break;
            default:
                throw std::runtime_error("the PNG file uses an unknown filter");
            }
            line[index] = static_cast<std::uint8_t>(in[index] + predicted);
        }
    }
    return out;
}

}  // namespace

std::string PngFromImage(const GreyImage& image) {
    std::string png(kSignature);
    std::string header;
    PutBig(header, static_cast<std::uint32_t>(image.width));
    PutBig(header, static_cast<std::uint32_t>(image.height));
    header += std::string("\x08\x00\x00\x00\x00", 5);  // 8-bit grey, deflate, no filter choice, not interlaced
    PutChunk(png, "IHDR", header);
    std::string raw;
    for (int row = 0; row < image.height; ++row) {
        raw += '\0';  // no filter
        raw.append(reinterpret_cast<const char*>(&image.pixels[static_cast<std::size_t>(row) * image.width]),
                   static_cast<std::size_t>(image.width));
    }
    std::string zlib("\x78\x01", 2);
    for (std::size_t at = 0; at < raw.size() || at == 0; at += kLargestStoredBlock) {
        const std::size_t length = std::min(kLargestStoredBlock, raw.size() - at);
        zlib += static_cast<char>(at + length >= raw.size() ? 1 : 0);
        zlib += static_cast<char>(length & 0xFFu);
        zlib += static_cast<char>(length >> 8);
        zlib += static_cast<char>(~length & 0xFFu);
        zlib += static_cast<char>((~length >> 8) & 0xFFu);
        zlib.append(raw, at, length);
    }
    PutBig(zlib, Adler32(raw));
    PutChunk(png, "IDAT", zlib);
    PutChunk(png, "IEND", "");
    return png;
}

GreyImage ImageFromPng(std::string_view bytes) {
    if (bytes.substr(0, kSignature.size()) != kSignature) throw std::runtime_error("not a PNG file");
    Header header;
    std::vector<std::uint8_t> compressed;
    std::vector<std::array<std::uint8_t, 3>> palette;
    std::vector<std::uint8_t> paletteAlpha;
    bool ended = false;
    for (std::size_t at = kSignature.size(); !ended;) {
        if (at + 12 > bytes.size()) throw std::runtime_error("the PNG file ends early");
        const std::uint32_t length = Big(bytes, at);
        if (length > bytes.size() - at - 12) throw std::runtime_error("the PNG file ends early");
        const std::string_view type = bytes.substr(at + 4, 4);
        const std::string_view data = bytes.substr(at + 8, length);
        if (Crc32(bytes.substr(at + 4, length + 4)) != Big(bytes, at + 8 + length)) {
            throw std::runtime_error("the PNG file is damaged (checksum)");
        }
        if (type == "IHDR" && length >= 13) {
            header = {Big(data, 0), Big(data, 4), static_cast<std::uint8_t>(data[8]),
                      static_cast<std::uint8_t>(data[9])};
            if (data[12] != 0) throw std::runtime_error("interlaced PNG files are not read; save it without");
        } else if (type == "PLTE") {
            for (std::size_t entry = 0; entry + 3 <= length; entry += 3) {
                palette.push_back({static_cast<std::uint8_t>(data[entry]), static_cast<std::uint8_t>(data[entry + 1]),
                                   static_cast<std::uint8_t>(data[entry + 2])});
            }
        } else if (type == "tRNS") {
            paletteAlpha.assign(data.begin(), data.end());
        } else if (type == "IDAT") {
            compressed.insert(compressed.end(), data.begin(), data.end());
        } else if (type == "IEND") {
            ended = true;
        }
        at += 12 + length;
    }
    const int channels = header.Channels();
    const int depth = header.bitDepth;
    if (channels == 0 || header.width == 0 || header.height == 0 ||
        !(depth == 1 || depth == 2 || depth == 4 || depth == 8 || depth == 16) || (depth < 8 && channels != 1) ||
        (header.colourType == 3 && (depth == 16 || palette.empty()))) {
        throw std::runtime_error("the PNG file's picture format is not one this program reads");
    }
    if (static_cast<std::uint64_t>(header.width) * header.height > kMostPixels) {
        throw std::runtime_error("the PNG file's picture is too large for a chart");
    }
    if (compressed.size() < 6) throw std::runtime_error("the PNG file holds no picture");
    const std::size_t bitsPerPixel = static_cast<std::size_t>(channels * depth);
    const std::size_t rowBytes = (header.width * bitsPerPixel + 7) / 8;
    const std::vector<std::uint8_t> data = Inflate(std::span(compressed).subspan(2), header.height * (rowBytes + 1));
    const std::vector<std::uint8_t> rows =
        Unfilter(data, rowBytes, header.height, std::max<std::size_t>(1, bitsPerPixel / 8));

    GreyImage image(static_cast<int>(header.width), static_cast<int>(header.height));
    const int most = (1 << std::min(depth, 8)) - 1;
    for (std::uint32_t row = 0; row < header.height; ++row) {
        const std::uint8_t* line = &rows[row * rowBytes];
        for (std::uint32_t column = 0; column < header.width; ++column) {
            // Each channel's value, 0 to `most`; of 16 bits the high byte.
            const auto sample = [&](int channel) -> int {
                if (depth >= 8) return line[(column * channels + channel) * (depth / 8)];
                const std::size_t bit = column * depth;
                return (line[bit / 8] >> (8 - depth - bit % 8)) & most;
            };
            double grey = 0.0, alpha = 1.0;
            if (header.colourType == 3) {
                const auto index = static_cast<std::size_t>(sample(0));
                if (index >= palette.size()) throw std::runtime_error("the PNG file's picture is damaged (palette)");
                grey = (0.299 * palette[index][0] + 0.587 * palette[index][1] + 0.114 * palette[index][2]) / 255.0;
                if (index < paletteAlpha.size()) alpha = paletteAlpha[index] / 255.0;
            } else if (channels >= 3) {
                grey = (0.299 * sample(0) + 0.587 * sample(1) + 0.114 * sample(2)) / most;
                if (channels == 4) alpha = sample(3) / static_cast<double>(most);
            } else {
                grey = sample(0) / static_cast<double>(most);
                if (channels == 2) alpha = sample(1) / static_cast<double>(most);
            }
            image.At(static_cast<int>(column), static_cast<int>(row)) =
                static_cast<std::uint8_t>(std::lround((grey * alpha + 1.0 - alpha) * 255.0));
        }
    }
    return image;
}

GreyImage ReadPngFile(const std::filesystem::path& path) {
    std::ifstream file(path, std::ios::binary);
    if (!file) throw std::runtime_error("cannot open " + path.string());
    const std::string bytes{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
    return ImageFromPng(bytes);
}

void WritePngFile(const std::filesystem::path& path, const GreyImage& image) {
    std::ofstream file(path, std::ios::binary);
    const std::string png = PngFromImage(image);
    file.write(png.data(), static_cast<std::streamsize>(png.size()));
    if (!file.flush()) throw std::runtime_error("cannot write " + path.string());
}

}  // namespace zorbel::decoder
