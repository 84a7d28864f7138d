#pragma once
// Printing the Rx window: the print dialog, then one job on the printer
// chosen there. RichEdit lays out the pages where it can; where it cannot,
// the core lays out the lines and they are drawn here in the Rx window's font.

#include <windows.h>

#include <memory>
#include <type_traits>

#include "platform/RxPrinter.h"
#include "win32/RxWindow.h"

namespace zorbel::win32 {

class WindowsRxPrinter : public platform::RxPrinter {
public:
    explicit WindowsRxPrinter(const RxWindow& rx) : rx_(rx) {}
    void SetOwner(HWND owner) { owner_ = owner; }

    std::optional<platform::PrintFailure> PrintFromDialog(bool selectionOffered) override;

private:
    struct GlobalFreer {
        void operator()(HGLOBAL memory) const { GlobalFree(memory); }
    };
    using GlobalMemory = std::unique_ptr<std::remove_pointer_t<HGLOBAL>, GlobalFreer>;

    const RxWindow& rx_;
    HWND owner_ = nullptr;
    // The printer and its settings as last chosen, offered again next time;
    // the system's default printer is never changed.
    GlobalMemory devMode_;
    GlobalMemory devNames_;
};

}  // namespace zorbel::win32
