#pragma once
// The Rx window as the core sees it: a text view that only grows at its end
// while receiving. Texts are 8-bit ANSI (code page 1252), as the engine sends
// them and as capture files store them.

#include <string>
#include <string_view>

namespace zorbel::platform {

class RxView {
public:
    virtual ~RxView() = default;

    // Moves the caret to the end and inserts the text there; adds no line
    // break of its own. Every code 0-255 must arrive as one character.
    virtual void AppendAtEnd(std::string_view ansiText) = 0;

    virtual bool IsEmpty() const = 0;

    // False when the control could not be created (its library missing).
    virtual bool Exists() const = 0;

    // The selected text as the control holds it (paragraphs end in CR).
    virtual std::string SelectedText() const = 0;

    virtual void Clear() = 0;

    // Plain paragraph alignment for the selection, then this font (UTF-8 name) for the whole window.
    virtual void ResetFormat(std::string_view utf8FontName, int pointSize) = 0;
};

}  // namespace zorbel::platform
