#include "win32/CallbackBoundary.h"

#include <new>

#include "win32/BoxInFront.h"

namespace zorbel::win32 {

void ReportAbandonedAction() noexcept {
    static bool showing = false;
    if (showing) return;
    // Fixed texts: when memory has run out, building one could fail again.
    const wchar_t* text = L"Die Aktion wurde abgebrochen: ein interner Fehler ist aufgetreten.\r\n\r\n"
                          L"Das Programm läuft weiter.";
    try {
        throw;
    } catch (const std::bad_alloc&) {
        text = L"Die Aktion wurde abgebrochen: nicht genug Arbeitsspeicher.\r\n\r\nDas Programm läuft weiter.";
    } catch (...) {
    }
    showing = true;
    ShowBoxInFront(GetActiveWindow(), text, L"Fehler", MB_OK | MB_ICONEXCLAMATION);
    showing = false;
}

}  // namespace zorbel::win32
