#include "FeedText.h"

namespace zorbel::standin {

std::vector<std::int32_t> FeedCodes(std::string_view fileBytes, std::optional<std::int32_t> extraCode) {
    std::vector<std::int32_t> codes;
    codes.reserve(fileBytes.size() + 1);
    for (const char c : fileBytes) {
        if (c == '\r') continue;  // CR LF and LF alike become CR LF
        if (c == '\n') codes.push_back('\r');
        codes.push_back(static_cast<unsigned char>(c));
    }
    if (extraCode) codes.push_back(*extraCode);
    return codes;
}

}  // namespace zorbel::standin
