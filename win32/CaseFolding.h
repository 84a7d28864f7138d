#pragma once
// Upper case by the user's locale, through the system's own tables.

#include "platform/CaseFolding.h"

namespace zorbel::win32 {

class LocaleCaseFolding : public platform::CaseFolding {
public:
    std::u16string ToUpper(std::u16string_view utf16Text) const override;
};

}  // namespace zorbel::win32
