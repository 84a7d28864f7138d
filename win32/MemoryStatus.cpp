#include "win32/MemoryStatus.h"

#include <windows.h>

namespace zorbel::win32 {

platform::MemoryFigures SystemMemoryStatus::Query() const {
    MEMORYSTATUSEX status{};
    status.dwLength = sizeof(status);
    GlobalMemoryStatusEx(&status);
    return {status.dwMemoryLoad,   status.ullTotalPhys,     status.ullAvailPhys,   status.ullTotalPageFile,
            status.ullAvailPageFile, status.ullTotalVirtual, status.ullAvailVirtual};
}

}  // namespace zorbel::win32
