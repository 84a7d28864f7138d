#include "win32/CaseFolding.h"

#include <windows.h>

namespace zorbel::win32 {

std::u16string LocaleCaseFolding::ToUpper(std::u16string_view utf16Text) const {
    std::u16string upper(utf16Text);
    // CharUpperBuffW works in place and keeps the length, unlike LCMapStringEx,
    // which may expand a character; positions must stay those of the text.
    static_assert(sizeof(wchar_t) == sizeof(char16_t));
    CharUpperBuffW(reinterpret_cast<wchar_t*>(upper.data()), static_cast<DWORD>(upper.size()));
    return upper;
}

}  // namespace zorbel::win32
