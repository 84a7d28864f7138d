#include "decoder/Inflate.h"

#include <algorithm>
#include <array>
#include <stdexcept>

namespace zorbel::decoder {
namespace {

constexpr int kLongestCode = 15;

class BitReader {
public:
    explicit BitReader(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}
    unsigned Bits(int count) {
        unsigned value = 0;
        for (int bit = 0; bit < count; ++bit) {
            if (at_ >= bytes_.size()) throw std::runtime_error("the compressed picture ends early");
            value |= ((bytes_[at_] >> bit_) & 1u) << bit;
            if (++bit_ == 8) {
                bit_ = 0;
                ++at_;
            }
        }
        return value;
    }
    // Stored blocks are read by the byte, after SkipToByte.
    std::uint8_t AlignedByte() {
        if (at_ >= bytes_.size()) throw std::runtime_error("the compressed picture ends early");
        return bytes_[at_++];
    }
    void SkipToByte() {
        if (bit_ != 0) {
            bit_ = 0;
            ++at_;
        }
    }

private:
    std::span<const std::uint8_t> bytes_;
    std::size_t at_ = 0;
    int bit_ = 0;
};

// A canonical Huffman code: how many codes of each length, and the symbols
// in code order.
class Huffman {
public:
    explicit Huffman(std::span<const std::uint8_t> lengths) {
        for (const std::uint8_t length : lengths) ++counts_[length];
        counts_[0] = 0;
        std::array<int, kLongestCode + 2> offsets{};
        for (int length = 1; length <= kLongestCode; ++length) offsets[length + 1] = offsets[length] + counts_[length];
        symbols_.resize(lengths.size());
        for (std::size_t symbol = 0; symbol < lengths.size(); ++symbol) {
            if (lengths[symbol] != 0) {
                symbols_[static_cast<std::size_t>(offsets[lengths[symbol]]++)] = static_cast<int>(symbol);
            }
        }
    }
    int Decode(BitReader& reader) const {
        int code = 0, first = 0, index = 0;
        for (int length = 1; length <= kLongestCode; ++length) {
            code |= static_cast<int>(reader.Bits(1));
            const int count = counts_[length];
            if (code - first < count) return symbols_[static_cast<std::size_t>(index + code - first)];
            index += count;
            first = (first + count) << 1;
            code <<= 1;
        }
        throw std::runtime_error("the compressed picture holds a code it does not define");
    }

private:
    std::array<int, kLongestCode + 1> counts_{};
    std::vector<int> symbols_;
};

constexpr std::array<int, 29> kLengthBase = {3,  4,  5,  6,  7,  8,  9,  10, 11,  13,  15,  17,  19,  23, 27,
                                             31, 35, 43, 51, 59, 67, 83, 99, 115, 131, 163, 195, 227, 258};
constexpr std::array<int, 29> kLengthExtra = {0, 0, 0, 0, 0, 0, 0, 0, 1, 1, 1, 1, 2, 2, 2,
                                              2, 3, 3, 3, 3, 4, 4, 4, 4, 5, 5, 5, 5, 0};
constexpr std::array<int, 30> kDistanceBase = {1,    2,    3,    4,    5,    7,    9,    13,    17,    25,
                                               33,   49,   65,   97,   129,  193,  257,  385,   513,   769,
                                               1025, 1537, 2049, 3073, 4097, 6145, 8193, 12289, 16385, 24577};
constexpr std::array<int, 30> kDistanceExtra = {0, 0, 0, 0, 1, 1, 2, 2,  3,  3,  4,  4,  5,  5,  6,
                                                6, 7, 7, 8, 8, 9, 9, 10, 10, 11, 11, 12, 12, 13, 13};

void InflateBlock(BitReader& reader, const Huffman& literals, const Huffman& distances,
                  std::vector<std::uint8_t>& output, std::size_t mostBytes) {
    for (;;) {
        const int symbol = literals.Decode(reader);
        if (symbol < 256) {
            output.push_back(static_cast<std::uint8_t>(symbol));
        } else if (symbol == 256) {
            return;
        } else {
            const auto lengthIndex = static_cast<std::size_t>(symbol - 257);
            if (lengthIndex >= kLengthBase.size()) throw std::runtime_error("the compressed picture is damaged");
            const int length = kLengthBase[lengthIndex] + static_cast<int>(reader.Bits(kLengthExtra[lengthIndex]));
            const auto distanceIndex = static_cast<std::size_t>(distances.Decode(reader));
            if (distanceIndex >= kDistanceBase.size()) throw std::runtime_error("the compressed picture is damaged");
            const auto distance =
                static_cast<std::size_t>(kDistanceBase[distanceIndex]) + reader.Bits(kDistanceExtra[distanceIndex]);
            if (distance > output.size()) throw std::runtime_error("the compressed picture is damaged");
            for (int copied = 0; copied < length; ++copied) output.push_back(output[output.size() - distance]);
        }
        if (output.size() > mostBytes) throw std::runtime_error("the compressed picture is larger than it claims");
    }
}

void InflateDynamic(BitReader& reader, std::vector<std::uint8_t>& output, std::size_t mostBytes) {
    const unsigned literalCount = reader.Bits(5) + 257;
    const unsigned distanceCount = reader.Bits(5) + 1;
    const unsigned codeLengthCount = reader.Bits(4) + 4;
    static constexpr std::array<int, 19> kOrder = {16, 17, 18, 0, 8, 7, 9, 6, 10, 5, 11, 4, 12, 3, 13, 2, 14, 1, 15};
    std::array<std::uint8_t, 19> codeLengths{};
    for (unsigned index = 0; index < codeLengthCount; ++index) {
        codeLengths[static_cast<std::size_t>(kOrder[index])] = static_cast<std::uint8_t>(reader.Bits(3));
    }
    const Huffman lengthCode(codeLengths);
    std::vector<std::uint8_t> lengths;
    while (lengths.size() < literalCount + distanceCount) {
        const int symbol = lengthCode.Decode(reader);
        if (symbol < 16) {
            lengths.push_back(static_cast<std::uint8_t>(symbol));
            continue;
        }
        std::uint8_t repeated = 0;
        unsigned times = 0;
        if (symbol == 16) {
            if (lengths.empty()) throw std::runtime_error("the compressed picture is damaged");
            repeated = lengths.back();
            times = 3 + reader.Bits(2);
        } else {
            times = symbol == 17 ? 3 + reader.Bits(3) : 11 + reader.Bits(7);
        }
        lengths.insert(lengths.end(), times, repeated);
    }
    if (lengths.size() != literalCount + distanceCount) throw std::runtime_error("the compressed picture is damaged");
    const std::span<const std::uint8_t> all(lengths);
    InflateBlock(reader, Huffman(all.first(literalCount)), Huffman(all.subspan(literalCount)), output, mostBytes);
}

}  // namespace

std::vector<std::uint8_t> Inflate(std::span<const std::uint8_t> deflated, std::size_t mostBytes) {
    BitReader reader(deflated);
    std::vector<std::uint8_t> output;
    bool last = false;
    while (!last) {
        last = reader.Bits(1) == 1;
        switch (reader.Bits(2)) {
        case 0: {
            reader.SkipToByte();
            unsigned length = reader.AlignedByte();
            length |= reader.AlignedByte() << 8u;
            unsigned complement = reader.AlignedByte();
            complement |= reader.AlignedByte() << 8u;
            if ((length ^ 0xFFFFu) != complement) throw std::runtime_error("the compressed picture is damaged");
            for (unsigned index = 0; index < length; ++index) output.push_back(reader.AlignedByte());
            if (output.size() > mostBytes) throw std::runtime_error("the compressed picture is larger than it claims");
            break;
        }
        case 1: {
            std::array<std::uint8_t, 288> literalLengths{};
            std::fill(literalLengths.begin(), literalLengths.begin() + 144, 8);
            std::fill(literalLengths.begin() + 144, literalLengths.begin() + 256, 9);
            std::fill(literalLengths.begin() + 256, literalLengths.begin() + 280, 7);
            std::fill(literalLengths.begin() + 280, literalLengths.end(), 8);
            std::array<std::uint8_t, 30> distanceLengths{};
            distanceLengths.fill(5);
            InflateBlock(reader, Huffman(literalLengths), Huffman(distanceLengths), output, mostBytes);
            break;
        }
        case 2:
            InflateDynamic(reader, output, mostBytes);
            break;
        default:
            throw std::runtime_error("the compressed picture is damaged");
        }
    }
    return output;
}

}  // namespace zorbel::decoder
