#pragma once
// The character codes the stand-in sends: the feed file's bytes with every
// line end sent as CR LF, then an optional extra code.

#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

namespace zorbel::standin {

std::vector<std::int32_t> FeedCodes(std::string_view fileBytes, std::optional<std::int32_t> extraCode);

}  // namespace zorbel::standin
