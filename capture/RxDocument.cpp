#include "capture/RxDocument.h"

#include <optional>

#include "config/Cp1252.h"

namespace zorbel {
namespace {

bool EndsWithNoCase(std::wstring_view text, std::wstring_view lowerEnd) {
    if (text.size() < lowerEnd.size()) return false;
    const std::wstring_view tail = text.substr(text.size() - lowerEnd.size());
    for (std::size_t i = 0; i < tail.size(); ++i) {
        const wchar_t unit = tail[i] >= L'A' && tail[i] <= L'Z' ? static_cast<wchar_t>(tail[i] + 32) : tail[i];
        if (unit != lowerEnd[i]) return false;
    }
    return true;
}

void AppendCodePoint(std::wstring& out, char32_t codePoint) {
    if (codePoint < 0x10000) {
        out.push_back(static_cast<wchar_t>(codePoint));
        return;
    }
    codePoint -= 0x10000;
    out.push_back(static_cast<wchar_t>(0xD800 + (codePoint >> 10)));
    out.push_back(static_cast<wchar_t>(0xDC00 + (codePoint & 0x3FF)));
}

// Nothing when the bytes are not well-formed UTF-8 (overlong forms and
// surrogates included), so that 1252 text with umlauts is not misread.
std::optional<std::wstring> DecodeUtf8(std::string_view bytes) {
    std::wstring out;
    out.reserve(bytes.size());
    for (std::size_t i = 0; i < bytes.size();) {
        const auto lead = static_cast<unsigned char>(bytes[i]);
        int length = 0;
        char32_t codePoint = 0;
        char32_t minimum = 0;
        if (lead < 0x80) {
            out.push_back(lead);
            ++i;
            continue;
        } else if ((lead & 0xE0) == 0xC0) {
            length = 2, codePoint = lead & 0x1F, minimum = 0x80;
        } else if ((lead & 0xF0) == 0xE0) {
            length = 3, codePoint = lead & 0x0F, minimum = 0x800;
        } else if ((lead & 0xF8) == 0xF0) {
            length = 4, codePoint = lead & 0x07, minimum = 0x10000;
        } else {
            return std::nullopt;
        }
        if (i + length > bytes.size()) return std::nullopt;
        for (int k = 1; k < length; ++k) {
            const auto next = static_cast<unsigned char>(bytes[i + k]);
            if ((next & 0xC0) != 0x80) return std::nullopt;
            codePoint = (codePoint << 6) | (next & 0x3F);
        }
        if (codePoint < minimum || codePoint > 0x10FFFF || (codePoint >= 0xD800 && codePoint <= 0xDFFF))
            return std::nullopt;
        AppendCodePoint(out, codePoint);
        i += length;
    }
    return out;
}

std::wstring DecodeUtf16(std::string_view bytes, bool bigEndian) {
    std::wstring out;
    out.reserve(bytes.size() / 2);
    for (std::size_t i = 0; i + 1 < bytes.size(); i += 2) {
        const auto first = static_cast<unsigned char>(bytes[i]);
        const auto second = static_cast<unsigned char>(bytes[i + 1]);
        out.push_back(static_cast<wchar_t>(bigEndian ? (first << 8) | second : (second << 8) | first));
    }
    return out;
}

std::wstring TwoDigits(int value) { return (value < 10 ? L"0" : L"") + std::to_wstring(value); }

}  // namespace

DialogStart DialogStartFor(std::string_view category, const CategoryFolders& folders) {
    if (category.find("Wetter") != std::string_view::npos) return {folders.weather, kRtfFilterIndex};
    if (category.find("AFu") != std::string_view::npos) return {folders.amateurRadio, kRtfFilterIndex};
    if (category.find("alles") != std::string_view::npos) return {folders.otherFiles, kTextFilterIndex};
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

}  // namespace zorbel
