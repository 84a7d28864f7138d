#pragma once
// The list text format of stored word lists: every entry is followed by one
// comma ("NNNN,RYRYRY,ZCZC,"); the empty list is the empty text.

#include <string>
#include <string_view>
#include <vector>

namespace zorbel {

// Entries in order, empty ones kept; characters after the last comma are ignored.
std::vector<std::string> ParseListText(std::string_view listText);

std::string FormatListText(const std::vector<std::string>& entries);

}  // namespace zorbel
