#pragma once
// The main window's status bar, addressed by panel number 1 to 5.

#include <string_view>

namespace zorbel::platform {

enum class Panel { Status = 1, Lines = 2, Memory = 3 };

class StatusPanels {
public:
    virtual ~StatusPanels() = default;
    virtual void SetPanelText(Panel panel, std::string_view utf8Text) = 0;
};

}  // namespace zorbel::platform
