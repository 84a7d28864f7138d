#include "UserInput.h"

#include <vector>

namespace bench {
namespace {

LPARAM KeyLParam(UINT virtualKey, bool release) {
  const UINT scanCode = MapVirtualKeyW(virtualKey, MAPVK_VK_TO_VSC);
  LPARAM value = 1 | (static_cast<LPARAM>(scanCode) << 16);
  if (release) value |= (1LL << 30) | (1LL << 31);
  return value;
}

}  // namespace

void ClickButton(HWND button) {
  PostMessageW(GetParent(button), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(button), BN_CLICKED),
               reinterpret_cast<LPARAM>(button));
}

void ChooseMenuItem(HWND mainWindow, UINT itemId) {
  PostMessageW(mainWindow, WM_COMMAND, MAKEWPARAM(itemId, 0), 0);
}

void PressKey(HWND target, UINT virtualKey) {
  PostMessageW(target, WM_KEYDOWN, virtualKey, KeyLParam(virtualKey, false));
  const UINT character = MapVirtualKeyW(virtualKey, MAPVK_VK_TO_CHAR);
  if (character) PostMessageW(target, WM_CHAR, character, KeyLParam(virtualKey, false));
  PostMessageW(target, WM_KEYUP, virtualKey, KeyLParam(virtualKey, true));
}

void TypeChord(HWND window, std::initializer_list<WORD> keys) {
  SetForegroundWindow(window);
  std::vector<INPUT> inputs;
  const auto add = [&](WORD key, DWORD flags) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = key;
    input.ki.dwFlags = flags;
    inputs.push_back(input);
  };
  for (const WORD key : keys) add(key, 0);
  for (auto key = std::rbegin(keys); key != std::rend(keys); ++key) add(*key, KEYEVENTF_KEYUP);
  SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

void PostAsEngine(HWND mainWindow, std::string_view bytes) {
  const UINT engineMessage = RegisterWindowMessageA("MMTTY");
  constexpr WPARAM kCharacter = 0x8003;
  for (const char byte : bytes) PostMessageW(mainWindow, engineMessage, kCharacter, static_cast<unsigned char>(byte));
}

}  // namespace bench
