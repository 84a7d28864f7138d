#pragma once
// The receive line under the Rx window: shows the characters of the line
// being received (8-bit ANSI).

#include <string_view>

namespace zorbel::platform {

class LineLabel {
public:
    virtual ~LineLabel() = default;
    virtual void Show(std::string_view ansiText) = 0;
};

}  // namespace zorbel::platform
