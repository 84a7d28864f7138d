#pragma once
// UTF-8 to and from UTF-16, for the texts that leave or enter the program as
// UTF-8: text files and the texts of boxes.

#include <optional>
#include <string>
#include <string_view>

namespace zorbel {

// Nothing when the bytes are not well-formed UTF-8 (overlong forms and
// surrogates included), so that 1252 text with umlauts is not misread.
std::optional<std::wstring> DecodeUtf8(std::string_view utf8Bytes);

// A surrogate without its partner becomes U+FFFD.
std::string EncodeUtf8(std::wstring_view wideText);

}  // namespace zorbel
