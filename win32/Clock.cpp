#include "win32/Clock.h"

#include <windows.h>

namespace zorbel::win32 {
namespace {

platform::DateTime FromSystemTime(const SYSTEMTIME& time) {
    return {time.wYear, time.wMonth, time.wDay, time.wHour, time.wMinute, time.wSecond};
}

}  // namespace

platform::DateTime SystemClock::LocalNow() const {
    SYSTEMTIME now;
    GetLocalTime(&now);
    return FromSystemTime(now);
}

platform::DateTime SystemClock::UtcNow() const {
    SYSTEMTIME now;
    GetSystemTime(&now);
    return FromSystemTime(now);
}

}  // namespace zorbel::win32
