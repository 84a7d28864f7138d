// Capture file naming and the bytes written per line.

#include <gtest/gtest.h>

#include "capture/CaptureFile.h"
#include "fakes/FakeSystem.h"

namespace zorbel {
namespace {

TEST(CaptureFileTest, HeaderNamesTheFileInItsFolderAndLinesFollowAsEightBitBytes) {
    fakes::FakeClock clock;  // 5 December 2026 UTC
    fakes::FakeGermanLocale locale;
    const HeaderDate headerDate{clock, locale};
    fakes::FakeFiles files;
    CaptureSettings settings;
    settings.wideCaptureFolder = L"C:\\Łódź\\Neu";  // outside code page 1252, missing
    CaptureFile captureFile{files, headerDate, settings};

    const auto start = captureFile.Start("SMDL01 EDZW 051245\n");
    EXPECT_EQ(start.fileDate, L"05Dez2026-1200");
    EXPECT_TRUE(start.written) << "the missing folder is made first";
    EXPECT_TRUE(captureFile.Append("chunk ", LineEnd::None));
    EXPECT_TRUE(captureFile.Append("B\xF6" "e \xB0\n", LineEnd::Add));
    // A later bulletin of the same day and hour goes on in the same file.
    captureFile.Start("FQEN50 EDZW 051230\n");
    EXPECT_EQ(files.files.at(L"C:\\Łódź\\Neu\\Synop05Dez2026-1200.txt"),
              "SMDL01 EDZW 051245\r\nchunk B\xF6" "e \xB0\r\nFQEN50 EDZW 051230\r\n");

    locale.monthNames[11] = L"12月";
    captureFile.Start("SMDL01 EDZW 051245\n");
    EXPECT_EQ(files.files.count(L"C:\\Łódź\\Neu\\Synop0512月2026-1200.txt"), 1u) << "a month name of any script";
}

}  // namespace
}  // namespace zorbel
