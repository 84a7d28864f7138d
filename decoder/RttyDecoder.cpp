#include "decoder/RttyDecoder.h"

#include <bit>
#include <cmath>

namespace zorbel::decoder {
namespace {

constexpr int kStopBitIndex = 6;  // start bit 0, data bits 1 to 5

}  // namespace

RttyDecoder::RttyDecoder(const RttyMode& mode, double sampleRate, bool unshiftOnSpace)
    : demodulator_(mode, sampleRate),
      reader_(unshiftOnSpace),
      bitLength_(sampleRate / mode.baud),
      halfWindow_(demodulator_.WindowLength() / 2.0),
      softBits_(std::bit_ceil(static_cast<std::size_t>(bitLength_ * (kStopBitIndex + 3)) + 4)),
      mask_(softBits_.size() - 1) {}

std::string RttyDecoder::Decode(std::span<const float> samples) {
    std::string text;
    for (const float sample : samples) {
        softBits_[static_cast<std::size_t>(received_++) & mask_] = demodulator_.Next(sample);
        ReadCharacters(text);
    }
    return text;
}

void RttyDecoder::ReadCharacters(std::string& text) {
    while (searchFrom_ < received_) {
        const float before = SoftBit(searchFrom_ - 1);
        const float after = SoftBit(searchFrom_);
        if (!(before > 0.0f && after <= 0.0f)) {
            ++searchFrom_;
            continue;
        }
        // The soft bit crosses zero half a window after the tone changes; the
        // window that holds bit k alone ends (k + 1) bits after the change.
        const double crossing = static_cast<double>(searchFrom_ - 1) + before / (before - after);
        const auto bitEnd = [&](int bit) {
            return static_cast<std::int64_t>(std::lround(crossing - halfWindow_ + (bit + 1) * bitLength_));
        };
        if (bitEnd(kStopBitIndex) >= received_) return;  // the character is not complete yet

        const bool startIsSpace = SoftBit(bitEnd(0)) < 0.0f;
        const bool stopIsMark = SoftBit(bitEnd(kStopBitIndex)) > 0.0f;
        if (!startIsSpace || !stopIsMark) {
            ++searchFrom_;  // noise or a misread edge: look on right after it
            continue;
        }
        std::uint8_t code = 0;
        for (int bit = 1; bit < kStopBitIndex; ++bit) {
            if (SoftBit(bitEnd(bit)) > 0.0f) code |= static_cast<std::uint8_t>(1u << (bit - 1));
        }
        if (const std::optional<char> character = reader_.Read(code)) text += *character;
        searchFrom_ = bitEnd(kStopBitIndex) + 1;
    }
}

}  // namespace zorbel::decoder
