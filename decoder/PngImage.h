#pragma once
// Charts as PNG files, read and written without a library: written as 8-bit
// grey, its data in stored (uncompressed) deflate blocks, which every reader
// takes; read from what common programs write (grey, grey with alpha, RGB,
// RGBA, palette; 1 to 16 bits; not interlaced), turned into grey, alpha laid
// over white.

#include <cstdint>
#include <filesystem>
#include <string_view>

#include "decoder/GreyImage.h"

namespace zorbel::decoder {

std::string PngFromImage(const GreyImage& image);

// Throws std::runtime_error naming what is wrong with the file.
GreyImage ImageFromPng(std::string_view bytes);

GreyImage ReadPngFile(const std::filesystem::path& path);
void WritePngFile(const std::filesystem::path& path, const GreyImage& image);

}  // namespace zorbel::decoder
