#pragma once
// No C++ exception may unwind through the frames of Windows that call the
// program's window procedures and callbacks: that ends the process, and
// everything unsaved with it. Every procedure and callback runs its body
// through one of these two.

#include <windows.h>

#include <exception>
#include <utility>

namespace zorbel::win32 {

// A German box: the action was given up, and why (memory or an internal
// error). One at a time: a failure among the box's own messages is not shown
// again. Call it only while handling an exception.
void ReportAbandonedAction() noexcept;

// For procedures Windows calls with a message: the action that failed is
// given up with a box, the program runs on, and the procedure returns
// `onFailure`.
template <class Result, class Body>
Result CatchAtCallbackBoundary(Result onFailure, Body&& body) noexcept {
    try {
        return std::forward<Body>(body)();
    } catch (...) {
        ReportAbandonedAction();
        return onFailure;
    }
}

// For callbacks inside a call of the program's own (a RichEdit stream): the
// exception is kept, the callback answers with an error so that the call
// stops, and RethrowIfAny() throws it again once the call has returned, so
// that it ends the action as it would with nothing in between.
class CarriedException {
public:
    template <class Body>
    DWORD Run(Body&& body) noexcept {
        try {
            std::forward<Body>(body)();
            return 0;
        } catch (...) {
            carried_ = std::current_exception();
            return 1;
        }
    }
    void RethrowIfAny() {
        if (carried_) std::rethrow_exception(std::exchange(carried_, nullptr));
    }

private:
    std::exception_ptr carried_;
};

}  // namespace zorbel::win32
