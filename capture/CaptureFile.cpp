#include "capture/CaptureFile.h"

#include "codepage/Cp1252.h"
#include "config/ProgramValues.h"

namespace zorbel {

CaptureFile::CaptureFile(platform::Files& files, const HeaderDate& headerDate, const CaptureSettings& settings)
    : files_(files), headerDate_(headerDate), settings_(settings) {}

CaptureFileStart CaptureFile::Start(std::string_view headerLine) {
    // The file form always yields a date (the zero date at worst), so the name never falls back to "now".
    const std::wstring fileDate = headerDate_.HeaderDateText(headerLine, DateForm::File);
    widePath_ = settings_.wideCaptureFolder + L'\\' + Cp1252ToWide(values::kCaptureFilePrefix) + fileDate +
                Cp1252ToWide(values::kCaptureFileExtension);
    return {fileDate, Append(headerLine, LineEnd::Add)};
}

bool CaptureFile::Append(std::string_view text, LineEnd lineEnd) {
    // A missing folder would lose every line of the bulletin; create it first.
    const auto separator = widePath_.rfind(L'\\');
    if (separator != std::wstring::npos && separator > 0) {
        const std::wstring_view folder = std::wstring_view(widePath_).substr(0, separator);
        if (!files_.FolderExists(folder)) files_.CreateDirectories(folder);
    }
    // A received line still carries its line feed: it gives way to the CR LF, so each line ends once.
    if (lineEnd == LineEnd::Add && text.ends_with('\n')) text.remove_suffix(1);
    std::string bytes(text);
    if (lineEnd == LineEnd::Add) bytes += values::kNewLine;
    return files_.AppendBytes(widePath_, bytes);
}

}  // namespace zorbel
