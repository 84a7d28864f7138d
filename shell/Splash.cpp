#include "shell/Splash.h"

#include "config/Version.h"
#include "shell/resource.h"
#include "win32/ChildWindow.h"
#include "win32/Fonts.h"
#include "win32/Twips.h"

namespace zorbel::shell {
namespace {

constexpr wchar_t kClassName[] = L"ZorbelSplash";
constexpr int kClientWidth = 7440;  // twips
constexpr int kClientHeight = 4635;
constexpr int kLogoPixels = 64;

struct SplashLabel {
    const wchar_t* text;
    int left, top, width, height;  // twips
    std::size_t font;              // index into the splash's fonts
    DWORD align;
};

constexpr std::array<SplashLabel, 6> kLabels{{
    {L"Fernschreibempfang mit", 2160, 480, 4920, 420, 1, SS_LEFT},
    {L"" ZORBEL_PRODUCT_NAME, 2160, 900, 4920, 900, 0, SS_LEFT},
    {L"für Windows 9x/NT/XP", 2160, 1860, 4920, 420, 1, SS_LEFT},
    {L"Version " ZORBEL_VERSION_TEXT, 2160, 2400, 4920, 360, 2, SS_LEFT},
    {L" Warnung:", 300, 3360, 6840, 300, 3, SS_LEFT},
    {L"Ein Empfangsprogramm für Funkfernschreiben: es liest nur mit und sendet nicht.", 300, 3660, 6840, 600, 3,
     SS_LEFT},
}};

}  // namespace

Splash::~Splash() {
    if (hwnd_) DestroyWindow(hwnd_);
}

bool Splash::Show(HINSTANCE instance) {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.lpfnWndProc = &DefWindowProcW;  // it only shows itself
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorW(nullptr, IDC_WAIT);  // the hourglass while the program starts
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = kClassName;
    if (!RegisterClassExW(&windowClass)) return false;

    const win32::Twips twips = win32::Twips::ForScreen();
    constexpr DWORD kStyle = WS_POPUP | WS_DLGFRAME;
    RECT outer{0, 0, twips.ToPxX(kClientWidth), twips.ToPxY(kClientHeight)};
    AdjustWindowRectEx(&outer, kStyle, FALSE, WS_EX_TOOLWINDOW);
    // Top left of the screen, as the main window opens there too.
    hwnd_ = CreateWindowExW(WS_EX_TOOLWINDOW, kClassName, L"", kStyle, 0, 0, outer.right - outer.left,
                            outer.bottom - outer.top, nullptr, nullptr, instance, nullptr);
    if (!hwnd_) return false;
    CreateContents(instance);
    ShowWindow(hwnd_, SW_SHOWNORMAL);
    UpdateWindow(hwnd_);
    return true;
}

void Splash::CreateContents(HINSTANCE instance) {
    const win32::Twips twips = win32::Twips::ForScreen();
    fonts_ = {win32::MakeFont(L"Arial", 36, FW_BOLD), win32::MakeFont(L"Arial", 14),
              win32::MakeFont(L"Times New Roman", 12), win32::MakeFont(L"Arial", 8.25)};
    constexpr int kIdNone = -1;
    const auto at = [&](int left, int top, int width, int height, HFONT font) {
        return win32::ChildPlace{
            hwnd_, kIdNone,
            RECT{twips.ToPxX(left), twips.ToPxY(top), twips.ToPxX(left + width), twips.ToPxY(top + height)}, font};
    };
    win32::CreateChildControl(at(60, 0, 7320, 4560, fonts_[3].get()), L"BUTTON", L"", BS_GROUPBOX);
    HWND picture = win32::CreateChildControl(at(480, 900, 1200, 1200, nullptr), L"STATIC", L"", SS_ICON | SS_CENTERIMAGE);
    logo_ = static_cast<HICON>(
        LoadImageW(instance, MAKEINTRESOURCEW(IDI_ZORBEL), IMAGE_ICON, kLogoPixels, kLogoPixels, LR_SHARED));
    SendMessageW(picture, STM_SETICON, reinterpret_cast<WPARAM>(logo_), 0);
    // Placed again: an icon static sizes itself to the icon.
    win32::PlaceWindow(picture, at(480, 900, 1200, 1200, nullptr).place);
    for (const SplashLabel& label : kLabels)
        win32::CreateChildControl(at(label.left, label.top, label.width, label.height, fonts_[label.font].get()),
                                  L"STATIC", label.text, label.align);
}

void Splash::KeepUpUntil(ULONGLONG endTick) {
    for (ULONGLONG now = GetTickCount64(); now < endTick; now = GetTickCount64()) {
        // Sleeps until a message arrives or the time is up: no spinning.
        MsgWaitForMultipleObjects(0, nullptr, FALSE, static_cast<DWORD>(endTick - now), QS_ALLINPUT);
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            if (msg.message == WM_QUIT) {
                PostQuitMessage(static_cast<int>(msg.wParam));  // for the main loop
                return;
            }
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
    }
}

}  // namespace zorbel::shell
