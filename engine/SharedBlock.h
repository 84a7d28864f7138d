#pragma once
// The shared block "MMTTY" that the program prepares for the engine before
// starting it: its layout and the byte image written at start-up. All
// numbers are little-endian; text fields are blank-padded with a 0 behind
// the text, so a reader that stops at the first 0 sees only the text.

#include <array>
#include <cstddef>
#include <cstdint>

namespace zorbel::engine {

inline constexpr std::size_t kSharedBlockSize = 20672;

inline constexpr std::size_t kTitleFieldOffset = 4;
inline constexpr std::size_t kTitleFieldSize = 128;
inline constexpr std::size_t kFirstNameFieldOffset = 132;
inline constexpr std::size_t kSecondNameFieldOffset = 12464;
inline constexpr std::size_t kNameFieldSize = 16;
inline constexpr std::size_t kFlagOneOffset = 148;   // holds 1
inline constexpr std::size_t kFlagZeroOffset = 152;  // holds 0

using SharedBlockImage = std::array<std::uint8_t, kSharedBlockSize>;

SharedBlockImage MakeSharedBlockImage();

}  // namespace zorbel::engine
