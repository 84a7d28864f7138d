#pragma once
// Received text (code page 1252) as UTF-8.

#include <string>
#include <string_view>

namespace weather {

std::string Utf8FromCp1252(std::string_view cp1252Text);

}  // namespace weather
