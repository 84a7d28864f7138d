#include "engine/SharedBlock.h"

#include <algorithm>
#include <string_view>

#include "engine/EngineNames.h"

namespace zorbel::engine {
namespace {

void WriteTextField(SharedBlockImage& image, std::size_t offset, std::size_t size, std::string_view text) {
    std::fill_n(image.begin() + offset, size, std::uint8_t{' '});
    std::copy(text.begin(), text.end(), image.begin() + offset);
    image[offset + text.size()] = 0;
}

void WriteValue(SharedBlockImage& image, std::size_t offset, std::uint32_t value) {
    for (std::size_t byte = 0; byte < 4; ++byte) image[offset + byte] = static_cast<std::uint8_t>(value >> (8 * byte));
}

}  // namespace

SharedBlockImage MakeSharedBlockImage() {
    SharedBlockImage image{};
    WriteTextField(image, kTitleFieldOffset, kTitleFieldSize, kEngineWindowTitle);
    WriteTextField(image, kFirstNameFieldOffset, kNameFieldSize, kSharedBlockNoName);
    WriteTextField(image, kSecondNameFieldOffset, kNameFieldSize, kSharedBlockNoName);
    WriteValue(image, kFlagOneOffset, 1);
    WriteValue(image, kFlagZeroOffset, 0);
    return image;
}

}  // namespace zorbel::engine
