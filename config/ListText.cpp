#include "config/ListText.h"

#include "config/ProgramValues.h"

namespace zorbel {

std::vector<std::string> ParseListText(std::string_view listText) {
    std::vector<std::string> entries;
    std::size_t entryStart = 0;
    for (auto comma = listText.find(values::kListEntryEnd); comma != std::string_view::npos;
         comma = listText.find(values::kListEntryEnd, entryStart)) {
        entries.emplace_back(listText.substr(entryStart, comma - entryStart));
        entryStart = comma + 1;
    }
    return entries;
}

std::string FormatListText(const std::vector<std::string>& entries) {
    std::string text;
    for (const auto& entry : entries) {
        text += entry;
        text += values::kListEntryEnd;
    }
    return text;
}

}  // namespace zorbel
