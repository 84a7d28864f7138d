#pragma once
// The width a line of text takes on the output device, in its own units.

#include <string_view>

namespace zorbel::platform {

class TextMeasure {
public:
    virtual ~TextMeasure() = default;
    virtual int WidthOf(std::wstring_view wideText) const = 0;
};

}  // namespace zorbel::platform
