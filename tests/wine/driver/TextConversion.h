// UTF-8 for command lines and failure messages, UTF-16 for Windows.
#pragma once

#include <string>
#include <string_view>

namespace bench {

std::wstring Utf8ToWide(std::string_view text);
std::string WideToUtf8(std::wstring_view text);

}  // namespace bench
