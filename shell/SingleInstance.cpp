#include "shell/SingleInstance.h"

#include <windows.h>

#include "win32/BoxInFront.h"

namespace zorbel::shell {
namespace {

// "Local\" keeps the guard to the user's own session.
constexpr wchar_t kMutexName[] = L"Local\\ZORBEL.Instance";
constexpr wchar_t kAlreadyRunningPrompt[] =
    L"Das Programm zweimal zu aktivieren ist nicht ratsam. Wenn Sie diese möglichkeit benötigen, so wenden Sie "
    L"sich bitte an den Autor dieser Software.";
constexpr wchar_t kAlreadyRunningTitle[] = L"ZORBEL läuft bereits ";

}  // namespace

SingleInstance::SingleInstance() : mutex_(CreateMutexW(nullptr, FALSE, kMutexName)) {
    anotherIsRunning_ = GetLastError() == ERROR_ALREADY_EXISTS;
}

void SingleInstance::ShowAlreadyRunning() {
    win32::ShowBoxInFront(nullptr, kAlreadyRunningPrompt, kAlreadyRunningTitle, MB_OK | MB_ICONEXCLAMATION);
}

}  // namespace zorbel::shell
