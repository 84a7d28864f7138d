#pragma once
// Whole files read and written at once, for Rx window documents. A failure
// carries the system's reason as UTF-8 text.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

namespace zorbel::platform {

struct FileFailure {
    std::string utf8Reason;
};

// The file holds more than the reader may take; nothing of it was read.
struct FileTooLarge {
    std::uint64_t bytes;
};

class DocumentFiles {
public:
    virtual ~DocumentFiles() = default;
    virtual std::variant<std::string, FileFailure, FileTooLarge> ReadAll(const std::wstring& widePath,
                                                                         std::uint64_t maxBytes) = 0;
    // Writes beside the target first and replaces it only when every byte is
    // written, so a failure leaves the earlier file as it was.
    virtual std::optional<FileFailure> WriteReplacing(const std::wstring& widePath, std::string_view bytes) = 0;
};

}  // namespace zorbel::platform
