#include "RichEditText.h"

#include <richedit.h>

#include <cstring>

#include "RemoteBuffer.h"
#include "WindowQueries.h"

namespace bench {
namespace {

constexpr UINT kUtf16CodePage = 1200;

}  // namespace

long RichEditTextLength(HANDLE process, HWND richEdit) {
  const GETTEXTLENGTHEX query{GTL_NUMCHARS | GTL_PRECISE, kUtf16CodePage};
  RemoteBuffer remoteQuery(process, sizeof query);
  remoteQuery.Write(&query, sizeof query);
  return static_cast<long>(SendBounded(richEdit, EM_GETTEXTLENGTHEX, remoteQuery.address(), 0));
}

std::wstring RichEditText(HANDLE process, HWND richEdit) {
  const long length = RichEditTextLength(process, richEdit);
  const std::size_t bytes = (static_cast<std::size_t>(length) + 1) * sizeof(wchar_t);
  const GETTEXTEX request{static_cast<DWORD>(bytes), GT_DEFAULT, kUtf16CodePage, nullptr, nullptr};
  RemoteBuffer remoteRequest(process, sizeof request);
  remoteRequest.Write(&request, sizeof request);
  const RemoteBuffer text(process, bytes);
  const auto copied =
      static_cast<std::size_t>(SendBounded(richEdit, EM_GETTEXTEX, remoteRequest.address(), text.address()));
  const auto raw = text.Read(copied * sizeof(wchar_t));
  std::wstring result(copied, L'\0');
  std::memcpy(result.data(), raw.data(), raw.size());
  return result;
}

}  // namespace bench
