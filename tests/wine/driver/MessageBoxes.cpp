#include "MessageBoxes.h"

#include <stdexcept>

#include "Poll.h"
#include "UserInput.h"
#include "WindowQueries.h"

namespace bench {
namespace {

constexpr wchar_t kDialogClass[] = L"#32770";

}  // namespace

std::vector<HWND> VisibleDialogsOf(DWORD processId) { return VisibleWindowsOf(processId, kDialogClass); }

MessageBoxContent ReadMessageBox(HWND dialog) {
  MessageBoxContent box{dialog, WindowText(dialog), {}, {}};
  // A message box's text is its static control with ID 0xFFFF.
  if (const HWND text = GetDlgItem(dialog, 0xFFFF)) box.text = WindowText(text);
  for (HWND child : ChildrenOf(dialog))
    if (ClassName(child) == L"Button" && IsWindowVisible(child))
      box.buttons.push_back({GetDlgCtrlID(child), WindowText(child)});
  return box;
}

std::optional<MessageBoxContent> WaitForMessageBox(DWORD processId, std::chrono::milliseconds bound) {
  return PollFor(
      [&]() -> std::optional<MessageBoxContent> {
        const auto dialogs = VisibleWindowsOf(processId, kDialogClass);
        if (dialogs.empty()) return std::nullopt;
        return ReadMessageBox(dialogs.front());
      },
      bound);
}

void AnswerMessageBox(const MessageBoxContent& box, const std::wstring& buttonCaption) {
  for (const auto& button : box.buttons) {
    std::wstring plain = button.caption;
    std::erase(plain, L'&');  // Wine may underline a letter
    if (plain != buttonCaption) continue;
    ClickButton(GetDlgItem(box.window, button.id));
    if (!PollUntil([&] { return !IsWindowVisible(box.window); }, milliseconds{5000}))
      throw std::runtime_error("the message box stayed after its answer");
    return;
  }
  throw std::runtime_error("the message box has no button of the wanted caption");
}

std::wstring DescribeMessageBoxes(DWORD processId) {
  std::wstring description;
  for (HWND dialog : VisibleWindowsOf(processId, kDialogClass)) {
    const auto box = ReadMessageBox(dialog);
    description += L"message box \"" + box.title + L"\": \"" + box.text + L"\"\n";
  }
  return description;
}

}  // namespace bench
