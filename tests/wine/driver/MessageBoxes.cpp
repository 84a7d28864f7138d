#include "MessageBoxes.h"

#include <stdexcept>

#include "Poll.h"
#include "WindowQueries.h"

namespace bench {
namespace {

constexpr int kMessageTextId = 0xFFFF;
constexpr milliseconds kClosingBound{5000};

}  // namespace

std::vector<HWND> VisibleDialogsOf(DWORD processId) {
  struct Search {
    DWORD processId;
    std::vector<HWND> found;
  } search{processId, {}};
  EnumWindows(
      [](HWND window, LPARAM context) -> BOOL {
        auto& s = *reinterpret_cast<Search*>(context);
        DWORD owner = 0;
        GetWindowThreadProcessId(window, &owner);
        if (owner == s.processId && IsWindowVisible(window) && ClassName(window) == L"#32770")
          s.found.push_back(window);
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.found;
}

MessageBoxContent ReadMessageBox(HWND dialog) {
  MessageBoxContent box{dialog, WindowText(dialog), {}, {}};
  if (const HWND text = GetDlgItem(dialog, kMessageTextId)) box.text = WindowText(text);
  for (HWND child : ChildrenOf(dialog)) {
    if (ClassName(child) == L"Button" && IsWindowVisible(child))
      box.buttons.push_back({GetDlgCtrlID(child), WindowText(child)});
  }
  return box;
}

std::optional<MessageBoxContent> WaitForMessageBox(DWORD processId, std::chrono::milliseconds bound) {
  return PollFor(
      [&]() -> std::optional<MessageBoxContent> {
        const auto dialogs = VisibleDialogsOf(processId);
        if (dialogs.empty()) return std::nullopt;
        return ReadMessageBox(dialogs.front());
      },
      bound);
}

void AnswerMessageBox(const MessageBoxContent& box, const std::wstring& buttonCaption) {
  for (const auto& button : box.buttons) {
    if (button.caption == buttonCaption) {
      PostMessageW(box.window, WM_COMMAND, MAKEWPARAM(button.id, BN_CLICKED),
                   reinterpret_cast<LPARAM>(GetDlgItem(box.window, button.id)));
      if (!PollUntil([&] { return !IsWindowVisible(box.window); }, kClosingBound))
        throw std::runtime_error("the message box stayed after its answer");
      return;
    }
  }
  throw std::runtime_error("the message box has no button of the wanted caption");
}

std::wstring DescribeMessageBoxes(DWORD processId) {
  std::wstring description;
  for (HWND dialog : VisibleDialogsOf(processId)) {
    const auto box = ReadMessageBox(dialog);
    description += L"message box \"" + box.title + L"\": \"" + box.text + L"\"\n";
  }
  return description;
}

}  // namespace bench
