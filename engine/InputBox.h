#pragma once
// A modal question for one line of text. Texts are UTF-8.

#include <optional>
#include <string>
#include <string_view>

namespace zorbel::engine {

class InputBox {
public:
    virtual ~InputBox() = default;
    // The entered text, or nothing on Cancel.
    virtual std::optional<std::string> Ask(std::string_view utf8Prompt, std::string_view utf8Title,
                                           std::string_view utf8Default) = 0;
};

}  // namespace zorbel::engine
