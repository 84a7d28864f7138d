// Charts as PNG files: ours read back, common programs' read as their grey, damaged ones refused.

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

#include "decoder/PngImage.h"

namespace zorbel::decoder {
namespace {

std::string FromHex(std::string_view hex) {
    std::string bytes;
    for (std::size_t at = 0; at + 1 < hex.size(); at += 2) {
        bytes += static_cast<char>(std::stoi(std::string(hex.substr(at, 2)), nullptr, 16));
    }
    return bytes;
}

// Made by Python's zlib at its strongest setting.
// 12 x 4 RGB, grey (20 x + 7 y) & 255, the rows filtered Sub, Up, Average, Paeth; fixed Huffman codes.
constexpr std::string_view kRgbFiltered =
    "89504e470d0a1a0a0000000d494844520000000c000000040802000000354449dd0000001d4944415478da6364606010210498d88900cc"
    "dcdcdc7c84000b3126010025960686c25f72000000000049454e44ae426082";
// 5 x 2, 2-bit palette black, white, grey 128, red; indices 0 1 2 3 1 / 3 2 1 0 0.
constexpr std::string_view kPalette =
    "89504e470d0a1a0a0000000d4948445200000005000000020203000000ed04fece0000000c504c5445000000ffffff808080ff0000344c"
    "51970000000e4944415478da6390766078c2000003550140d77cd6c60000000049454e44ae426082";
// 24 x 6 grey of 0, 96 and 255; dynamic Huffman codes.
constexpr std::string_view kDynamic =
    "89504e470d0a1a0a0000000d4948445200000018000000060800000000fcc001cf000000404944415478da458c810d003108021995fd97"
    "e0e9f1694d34a81c8a95a8edb43b14b9875625a5b34e9ebf770284148e9043908760f859011b38d73330cfb6b07ca7ea59adf8274632000000"
    "0049454e44ae426082";

TEST(PngImageTest, OursReadBackUnchangedCommonProgramsFilesAsTheirGreyAndDamagedOnesAreRefused) {
    // More than one stored block's worth (65535 bytes), every grey level.
    GreyImage image(1809, 40);
    for (std::size_t index = 0; index < image.pixels.size(); ++index) image.pixels[index] = (index * 7) % 256;
    const GreyImage read = ImageFromPng(PngFromImage(image));
    EXPECT_TRUE(read.width == 1809 && read.height == 40 && read.pixels == image.pixels);
    const GreyImage rgb = ImageFromPng(FromHex(kRgbFiltered));
    std::string wrong;
    for (int row = 0; row < 4; ++row) {
        for (int column = 0; column < 12; ++column) {
            if (rgb.At(column, row) != ((column * 20 + row * 7) & 255)) {
                wrong += std::to_string(column) + "," + std::to_string(row) + " ";
            }
        }
    }
    EXPECT_EQ(wrong, "");
    const GreyImage palette = ImageFromPng(FromHex(kPalette));
    // Red is as dark as its luma, 0.299 of white.
    EXPECT_EQ(palette.pixels, (std::vector<std::uint8_t>{0, 255, 128, 76, 255, 76, 128, 255, 0, 0}));
    const GreyImage dynamic = ImageFromPng(FromHex(kDynamic));
    unsigned sum = 0;
    for (const std::uint8_t pixel : dynamic.pixels) sum += pixel;
    EXPECT_TRUE(dynamic.width == 24 && dynamic.height == 6 && sum == 22956 && dynamic.At(1, 0) == 96 &&
                dynamic.At(22, 5) == 255)
        << sum;
    const std::string good = FromHex(kDynamic);
    struct Case {
        std::string bytes;
        std::string reason;
    };
    std::string flipped = good;
    flipped[60] = static_cast<char>(flipped[60] ^ 0x10);
    const Case cases[] = {
        {"GIF89a" + good.substr(6), "not a PNG file"},
        {good.substr(0, 70), "the PNG file ends early"},
        {flipped, "the PNG file is damaged (checksum)"},
    };
    for (const Case& test : cases) {
        try {
            ImageFromPng(test.bytes);
            ADD_FAILURE() << "accepted, wanted: " << test.reason;
        } catch (const std::runtime_error& error) {
            EXPECT_EQ(error.what(), test.reason);
        }
    }
}

}  // namespace
}  // namespace zorbel::decoder
