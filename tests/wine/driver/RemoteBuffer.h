// Memory inside another process, for messages whose buffer Wine does not
// carry across processes (SB_GETTEXTW, for one).
#pragma once

#include <windows.h>

#include <cstddef>
#include <vector>

namespace bench {

class RemoteBuffer {
 public:
  RemoteBuffer(HANDLE process, std::size_t bytes);
  ~RemoteBuffer();
  RemoteBuffer(const RemoteBuffer&) = delete;
  RemoteBuffer& operator=(const RemoteBuffer&) = delete;

  LPARAM address() const { return reinterpret_cast<LPARAM>(address_); }
  std::vector<std::byte> Read(std::size_t bytes) const;
  void Write(const void* data, std::size_t bytes);

 private:
  HANDLE process_;
  void* address_;
};

}  // namespace bench
