#pragma once
// Whole Rx window documents read from and written to disk.

#include "platform/DocumentFiles.h"

namespace zorbel::win32 {

class WindowsDocumentFiles : public platform::DocumentFiles {
public:
    std::variant<std::string, platform::FileFailure, platform::FileTooLarge> ReadAll(const std::wstring& widePath,
                                                                                    std::uint64_t maxBytes) override;
    std::optional<platform::FileFailure> WriteReplacing(const std::wstring& widePath, std::string_view bytes) override;
};

}  // namespace zorbel::win32
