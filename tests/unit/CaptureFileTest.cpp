// Capture file naming and the bytes written per line.

#include <gtest/gtest.h>

#include "capture/CaptureFile.h"
#include "fakes/FakeSystem.h"

namespace zorbel {
namespace {

class CaptureFileTest : public ::testing::Test {
protected:
    CaptureFileTest() {
        settings.wideCaptureFolder = L"C:\\Łódź";  // outside code page 1252
        files.folders.insert(settings.wideCaptureFolder);
    }

    fakes::FakeClock clock;  // 5 December 2026 UTC
    fakes::FakeGermanLocale locale;
    HeaderDate headerDate{clock, locale};
    fakes::FakeFiles files;
    CaptureSettings settings;
    CaptureFile captureFile{files, headerDate, settings};
};

TEST_F(CaptureFileTest, HeaderNamesTheFileAndIsItsFirstLine) {
    std::string header = "SMDL01 EDZW 051245\n";
    const auto start = captureFile.Start(header);

    EXPECT_EQ(start.fileDate, L"05Dez2026-1200");
    EXPECT_TRUE(start.written);
    const std::string& bytes = files.files.at(L"C:\\Łódź\\Synop05Dez2026-1200.txt");
    EXPECT_EQ(bytes, "SMDL01 EDZW 051245\r\n");
}

TEST_F(CaptureFileTest, MonthNameOfAnyScriptNamesTheFile) {
    locale.monthNames[11] = L"12月";
    std::string header = "SMDL01 EDZW 051245\n";
    captureFile.Start(header);
    EXPECT_EQ(files.files.count(L"C:\\Łódź\\Synop0512月2026-1200.txt"), 1u);
}

TEST_F(CaptureFileTest, BulletinsOfTheSameDayAndHourShareOneFile) {
    std::string first = "SMDL01 EDZW 051200\n";
    std::string second = "FQEN50 EDZW 051230\n";
    captureFile.Start(first);
    captureFile.Start(second);

    ASSERT_EQ(files.files.size(), 1u);
    EXPECT_EQ(files.files.begin()->second, "SMDL01 EDZW 051200\r\nFQEN50 EDZW 051230\r\n");
}

TEST_F(CaptureFileTest, EightBitBytesArriveUnchangedAndOnlyLinesEndInOneCrLf) {
    captureFile.Start("SMDL01 EDZW 051245\n");
    EXPECT_TRUE(captureFile.Append("chunk ", LineEnd::None));
    EXPECT_TRUE(captureFile.Append("B\xF6""e \xB0\n", LineEnd::Add));
    EXPECT_EQ(files.files.at(L"C:\\Łódź\\Synop05Dez2026-1200.txt"), "SMDL01 EDZW 051245\r\nchunk B\xF6""e \xB0\r\n");
}

TEST_F(CaptureFileTest, MissingFolderIsCreatedBeforeWriting) {
    settings.wideCaptureFolder = L"C:\\Neu\\Tief";
    EXPECT_TRUE(captureFile.Start("SMDL01 EDZW 051245\n").written);
    EXPECT_TRUE(files.folders.count(L"C:\\Neu\\Tief"));
}

}  // namespace
}  // namespace zorbel
