#pragma once
// Inflate (RFC 1951): the raw deflate data of a PNG's zlib stream unpacked,
// stored, fixed and dynamic Huffman blocks alike.

#include <cstdint>
#include <span>
#include <vector>

namespace zorbel::decoder {

// Throws std::runtime_error on data that is damaged or ends early, and once
// the output would grow beyond mostBytes (a small file claiming a huge
// picture).
std::vector<std::uint8_t> Inflate(std::span<const std::uint8_t> deflated, std::size_t mostBytes);

}  // namespace zorbel::decoder
