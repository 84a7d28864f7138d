#include "capture/RxDocument.h"

#include "codepage/Cp1252.h"
#include "codepage/Utf8.h"

namespace zorbel {
namespace {

constexpr wchar_t kReplacementCharacter = 0xFFFD;

bool EndsWithNoCase(std::wstring_view text, std::wstring_view lowerEnd) {
    if (text.size() < lowerEnd.size()) return false;
    const std::wstring_view tail = text.substr(text.size() - lowerEnd.size());
    for (std::size_t i = 0; i < tail.size(); ++i) {
        const wchar_t unit = tail[i] >= L'A' && tail[i] <= L'Z' ? static_cast<wchar_t>(tail[i] + 32) : tail[i];
        if (unit != lowerEnd[i]) return false;
    }
    return true;
}

std::wstring DecodeUtf16(std::string_view bytes, bool bigEndian) {
    std::wstring out;
    out.reserve(bytes.size() / 2 + 1);
    for (std::size_t i = 0; i + 1 < bytes.size(); i += 2) {
        const auto first = static_cast<unsigned char>(bytes[i]);
        const auto second = static_cast<unsigned char>(bytes[i + 1]);
        out.push_back(static_cast<wchar_t>(bigEndian ? (first << 8) | second : (second << 8) | first));
    }
    // A last byte without its partner (a file cut short) shows that something is missing.
    if (bytes.size() % 2 != 0) out.push_back(kReplacementCharacter);
    return out;
}

std::wstring TwoDigits(int value) { return (value < 10 ? L"0" : L"") + std::to_wstring(value); }

}  // namespace

DialogStart DialogStartFor(CaptureCategory category, const CategoryFolders& folders) {
    switch (category) {
        case CaptureCategory::Weather: return {folders.weather, kRtfFilterIndex};
        case CaptureCategory::AmateurRadio: return {folders.amateurRadio, kRtfFilterIndex};
        case CaptureCategory::Everything: return {folders.otherFiles, kTextFilterIndex};
        case CaptureCategory::None: break;
    }
    return {L"C:\\", kRtfFilterIndex};
}

RxFileFormat FormatForFile(std::wstring_view wideFileName, int filterIndex) {
    if (EndsWithNoCase(wideFileName, L".txt")) return RxFileFormat::Text;
    if (EndsWithNoCase(wideFileName, L".rtf")) return RxFileFormat::Rtf;
    return filterIndex == kTextFilterIndex ? RxFileFormat::Text : RxFileFormat::Rtf;
}

std::wstring ProposedFileName(const platform::DateTime& now, const platform::Locale& locale) {
    return L"Wetter " + std::to_wstring(now.day) + locale.AbbreviatedMonthName(now.month) +
           TwoDigits(now.year % 100) + L"-" + std::to_wstring(now.hour) + L" " + TwoDigits(now.minute);
}

std::wstring DecodeTextFile(std::string_view bytes) {
    if (bytes.starts_with("\xFF\xFE")) return DecodeUtf16(bytes.substr(2), false);
    if (bytes.starts_with("\xFE\xFF")) return DecodeUtf16(bytes.substr(2), true);
    const bool utf8Mark = bytes.starts_with("\xEF\xBB\xBF");
    if (auto utf8 = DecodeUtf8(utf8Mark ? bytes.substr(3) : bytes)) return *utf8;
    // A marked file with a broken sequence still loses only its mark.
    return Cp1252ToWide(utf8Mark ? bytes.substr(3) : bytes);
}

TextFileBytes EncodeTextFile(std::wstring_view wideText) {
    std::string cp1252 = WideToCp1252(wideText);
    if (Cp1252ToWide(cp1252) == wideText) return {std::move(cp1252), TextFileEncoding::Cp1252};
    return {"\xEF\xBB\xBF" + EncodeUtf8(wideText), TextFileEncoding::Utf8WithMark};
}

}  // namespace zorbel
