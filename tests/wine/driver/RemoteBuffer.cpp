#include "RemoteBuffer.h"

#include <stdexcept>

namespace bench {

RemoteBuffer::RemoteBuffer(HANDLE process, std::size_t bytes)
    : process_(process), address_(VirtualAllocEx(process, nullptr, bytes, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE)) {
  if (!address_) throw std::runtime_error("VirtualAllocEx failed, error " + std::to_string(GetLastError()));
}

RemoteBuffer::~RemoteBuffer() { VirtualFreeEx(process_, address_, 0, MEM_RELEASE); }

std::vector<std::byte> RemoteBuffer::Read(std::size_t bytes) const {
  std::vector<std::byte> copy(bytes);
  SIZE_T read = 0;
  if (!ReadProcessMemory(process_, address_, copy.data(), bytes, &read) || read != bytes)
    throw std::runtime_error("ReadProcessMemory failed, error " + std::to_string(GetLastError()));
  return copy;
}

void RemoteBuffer::Write(const void* data, std::size_t bytes) {
  SIZE_T written = 0;
  if (!WriteProcessMemory(process_, address_, data, bytes, &written) || written != bytes)
    throw std::runtime_error("WriteProcessMemory failed, error " + std::to_string(GetLastError()));
}

}  // namespace bench
