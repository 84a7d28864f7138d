// The message boxes (#32770 dialogs) of a process: read and answer them.
#pragma once

#include <windows.h>

#include <chrono>
#include <optional>
#include <string>
#include <vector>

namespace bench {

struct DialogButton {
  int id;
  std::wstring caption;
};

struct MessageBoxContent {
  HWND window;
  std::wstring title;
  std::wstring text;
  std::vector<DialogButton> buttons;  // the visible ones
};

// The visible dialogs of the process, topmost first.
std::vector<HWND> VisibleDialogsOf(DWORD processId);
MessageBoxContent ReadMessageBox(HWND dialog);

// The topmost visible box of the process, once there is one.
std::optional<MessageBoxContent> WaitForMessageBox(DWORD processId, std::chrono::milliseconds bound);

// Presses the button whose caption, access-key mark left out, is `buttonCaption`
// (say L"Ja") and waits up to 5 s until the box has gone, so that the next
// wait finds the next box; throws when the box has no such button or stays.
void AnswerMessageBox(const MessageBoxContent& box, const std::wstring& buttonCaption);

// One line per box, for failure messages.
std::wstring DescribeMessageBoxes(DWORD processId);

}  // namespace bench
