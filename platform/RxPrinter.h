#pragma once
// Printing the Rx window through the print dialog.

#include <optional>
#include <string>

namespace zorbel::platform {

struct PrintFailure {
    std::string utf8Reason;
};

class RxPrinter {
public:
    virtual ~RxPrinter() = default;
    // Shows the print dialog ("Selection" offered only when selectionOffered)
    // and prints what it names on the printer chosen there, in one job.
    // Nothing when the job printed or the dialog was cancelled.
    virtual std::optional<PrintFailure> PrintFromDialog(bool selectionOffered) = 0;
};

}  // namespace zorbel::platform
