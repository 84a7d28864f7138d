#pragma once
// The Rx window's whole content as a document: rich text in and out as RTF
// bytes, plain text as UTF-16.

#include <string>
#include <string_view>

namespace zorbel::platform {

class RxDocumentView {
public:
    virtual ~RxDocumentView() = default;
    virtual bool IsEmpty() const = 0;
    virtual bool HasSelection() const = 0;
    virtual std::string RtfBytes() const = 0;
    // Plain text with CR LF line ends.
    virtual std::wstring PlainText() const = 0;
    // False, with the content unchanged, when the bytes are no rich text.
    virtual bool ReplaceWithRtf(std::string_view rtfBytes) = 0;
    virtual void ReplaceWithText(std::wstring_view wideText) = 0;
    virtual void Clear() = 0;
};

}  // namespace zorbel::platform
