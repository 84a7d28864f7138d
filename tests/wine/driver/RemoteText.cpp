#include "RemoteText.h"

#include <commctrl.h>
#include <richedit.h>

#include <stdexcept>

#include "WindowQueries.h"

namespace bench {
namespace {

constexpr UINT kUtf16CodePage = 1200;

class RemoteBuffer {
 public:
  RemoteBuffer(HANDLE process, std::size_t bytes)
      : process_(process), address_(VirtualAllocEx(process, nullptr, bytes, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE)) {
    if (!address_) throw std::runtime_error("VirtualAllocEx failed, error " + std::to_string(GetLastError()));
  }
  ~RemoteBuffer() { VirtualFreeEx(process_, address_, 0, MEM_RELEASE); }
  RemoteBuffer(const RemoteBuffer&) = delete;
  RemoteBuffer& operator=(const RemoteBuffer&) = delete;

  LPARAM address() const { return reinterpret_cast<LPARAM>(address_); }
  void Write(const void* data, std::size_t bytes) {
    if (!WriteProcessMemory(process_, address_, data, bytes, nullptr))
      throw std::runtime_error("WriteProcessMemory failed, error " + std::to_string(GetLastError()));
  }
  void Read(void* data, std::size_t bytes) const {
    if (!ReadProcessMemory(process_, address_, data, bytes, nullptr))
      throw std::runtime_error("ReadProcessMemory failed, error " + std::to_string(GetLastError()));
  }
  std::wstring ReadText(std::size_t length) const {
    std::wstring text(length, L'\0');
    Read(text.data(), length * sizeof(wchar_t));
    return text;
  }

 private:
  HANDLE process_;
  void* address_;
};

}  // namespace

long RichEditTextLength(HANDLE process, HWND richEdit) {
  const GETTEXTLENGTHEX query{GTL_NUMCHARS | GTL_PRECISE, kUtf16CodePage};
  RemoteBuffer remoteQuery(process, sizeof query);
  remoteQuery.Write(&query, sizeof query);
  return static_cast<long>(SendBounded(richEdit, EM_GETTEXTLENGTHEX, remoteQuery.address(), 0));
}

std::wstring RichEditText(HANDLE process, HWND richEdit) {
  const std::size_t bytes = (static_cast<std::size_t>(RichEditTextLength(process, richEdit)) + 1) * sizeof(wchar_t);
  const GETTEXTEX request{static_cast<DWORD>(bytes), GT_DEFAULT, kUtf16CodePage, nullptr, nullptr};
  RemoteBuffer remoteRequest(process, sizeof request);
  remoteRequest.Write(&request, sizeof request);
  const RemoteBuffer text(process, bytes);
  return text.ReadText(
      static_cast<std::size_t>(SendBounded(richEdit, EM_GETTEXTEX, remoteRequest.address(), text.address())));
}

CHARFORMAT2W RichEditSelectionFormat(HANDLE process, HWND richEdit) {
  CHARFORMAT2W format{};
  format.cbSize = sizeof format;
  RemoteBuffer remote(process, sizeof format);
  remote.Write(&format, sizeof format);
  SendBounded(richEdit, EM_GETCHARFORMAT, SCF_SELECTION, remote.address());
  remote.Read(&format, sizeof format);
  return format;
}

std::wstring ListViewCellText(HANDLE process, HWND listView, int row, int column) {
  constexpr std::size_t kMaxLength = 1024;
  const RemoteBuffer text(process, kMaxLength * sizeof(wchar_t));
  LVITEMW item{};
  item.iSubItem = column;
  item.pszText = reinterpret_cast<wchar_t*>(text.address());
  item.cchTextMax = static_cast<int>(kMaxLength);
  RemoteBuffer remoteItem(process, sizeof item);
  remoteItem.Write(&item, sizeof item);
  return text.ReadText(static_cast<std::size_t>(SendBounded(listView, LVM_GETITEMTEXTW, row, remoteItem.address())));
}

std::wstring StatusPanelText(HANDLE process, HWND statusBar, int panel) {
  const std::size_t length = LOWORD(SendBounded(statusBar, SB_GETTEXTLENGTHW, panel));
  const RemoteBuffer text(process, (length + 1) * sizeof(wchar_t));
  SendBounded(statusBar, SB_GETTEXTW, panel, text.address());
  return text.ReadText(length);
}

RECT StatusPanelRect(HANDLE process, HWND statusBar, int panel) {
  RECT area{};
  const RemoteBuffer remote(process, sizeof area);
  SendBounded(statusBar, SB_GETRECT, panel, remote.address());
  remote.Read(&area, sizeof area);
  return area;
}

}  // namespace bench
