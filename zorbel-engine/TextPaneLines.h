#pragma once
// What the engine window's text pane appends: the decoded characters with
// every line break as CR LF (the edit control breaks lines only there), and a
// line break of its own where a new recording or transmission starts after a
// line left unfinished, so that its text does not run on from the last one's.

#include <string>
#include <string_view>

namespace zorbel::engine_side {

class TextPaneLines {
public:
    // The pane's text for decoded characters (code page 1252 bytes).
    std::wstring Add(std::string_view ansiText);
    // What starts the next text on a line of its own: CR LF after an unfinished line, otherwise nothing.
    std::wstring StartAfresh();

private:
    bool lineOpen_ = false;
};

}  // namespace zorbel::engine_side
