#pragma once
// Case folding by the rules of the user's locale, for searches that ignore case.

#include <string>
#include <string_view>

namespace zorbel::platform {

class CaseFolding {
public:
    virtual ~CaseFolding() = default;
    // The text in upper case, one unit for one unit, so that positions survive.
    virtual std::u16string ToUpper(std::u16string_view utf16Text) const = 0;
};

}  // namespace zorbel::platform
