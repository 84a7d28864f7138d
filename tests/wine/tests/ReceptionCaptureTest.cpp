// A transmission through the stand-in engine while reception is on: writing,
// a stop word, a long line, an unmarked weather bulletin saved to its file,
// a start word, and what the Rx window, the file and the controls show.
#include <windows.h>

#include <string>
#include <vector>

#include "EngineSuite.h"
#include "LocaleTexts.h"
#include "RxMessageLines.h"
#include "TextConversion.h"
#include "UserInput.h"
#include "WindowQueries.h"
#include "resource.h"

namespace {

using bench::Utf8ToWide;
using bench::WideToUtf8;

constexpr bench::milliseconds kFeedBound{30000};

std::string TwoDigits(int value) {
  std::string digits = std::to_string(value);
  if (digits.size() < 2) digits.insert(digits.begin(), '0');
  return digits;
}

std::string LocaleText(LCTYPE type) {
  wchar_t text[32] = {};
  GetLocaleInfoW(LOCALE_USER_DEFAULT, type, text, 32);
  return WideToUtf8(text);
}

// Bulletins carry today's UTC day, so their month and year are today's.
struct HeaderDay {
  SYSTEMTIME utc;
  HeaderDay() { GetSystemTime(&utc); }
  std::string Header(const std::string& type) const { return type + " EDZW " + TwoDigits(utc.wDay) + "0600"; }
  std::string Month() const { return LocaleText(LOCALE_SABBREVMONTHNAME1 + utc.wMonth - 1); }
  std::string DisplayForm() const {
    const std::string separator = LocaleText(LOCALE_SDATE);
    return TwoDigits(utc.wDay) + separator + Month() + separator + std::to_string(utc.wYear) + "-06" +
           LocaleText(LOCALE_STIME) + "00";
  }
  std::string FileForm() const { return TwoDigits(utc.wDay) + Month() + std::to_string(utc.wYear) + "-0600"; }
};

const HeaderDay kDay;

std::string Repeated(const std::string& piece, std::size_t length) {
  std::string text;
  while (text.size() < length) text += piece;
  return text.substr(0, length);
}

// 200 characters: two flushes of 81, then 38 handed on at the line feed.
const std::string kLongLine = Repeated("ABCDEFGHIJ", 200);
// Its start word lies in the flushed part, which waiting drops unseen.
const std::string kLongLineWithEarlyStartWord = "FQEN" + Repeated("KLMNOPQRST", 196);
const std::string kSavedHeader = kDay.Header("SMDL01");
const std::string kSavedData = "10381 11/75 72502 10032 20016";
const std::string kSavedStop = "ZCZC 104";

std::string FeedText() {
  const std::vector<std::string> lines{
      "DDH47 DDK9 PINNEBERG 147.3 KHZ",  // writing from the start
      kLongLine,
      "RYRYRYRYRYRY",  // stop: waiting
      kLongLineWithEarlyStartWord,
      kSavedHeader,  // no start word, "EDZW": saving
      kSavedData,
      kSavedStop,  // stop: waiting
      kDay.Header("FQEN71"),  // start word: writing
      "SEEWETTERBERICHT FUER DIE OSTSEE",
      "NNNN",  // stop: waiting
      "DANACH NICHTS MEHR",
  };
  std::string text;
  for (const auto& line : lines) text += line + "\n";
  return text;
}

class ReceptionCapture : public EngineSuite {
 protected:
  static void SetUpTestSuite() {
    StartWithStandIn(L"--fast --feed-on-request --feed \"%~dp0feed.txt\"", {{L"feed.txt", FeedText()}});
  }
  static inline SYSTEMTIME started_{};
};

TEST_F(ReceptionCapture, FeedReachesZorbel) {
  started_ = bench::LocalNow();
  bench::ClickButton(ControlOfMain(IDC_COMMAND2));
  ASSERT_TRUE(bench::PollUntil([] { return ControlText(IDC_COMMAND2) == "&Stop"; }, kEngineBound));
  ASSERT_TRUE(bench::RequestStandInFeed());
  ASSERT_TRUE(Log().WaitForPrefix("feed done", kFeedBound)) << Log().Text();
  WaitUntilHandled();
}

TEST_F(ReceptionCapture, RxWindowHoldsTheWrittenLinesAndMessageLines) {
  const auto lines = RxTextLines();
  ASSERT_EQ(11u, lines.size()) << WideToUtf8(bench::TextWithLineFeeds(ControlOfMain(IDC_RICHTEXTBOX1)));
  EXPECT_TRUE(IsMessageLine(Utf8ToWide(lines[0]), L"Beginn: ", started_));
  EXPECT_EQ("DDH47 DDK9 PINNEBERG 147.3 KHZ", lines[1]);
  EXPECT_EQ(kLongLine, lines[2]) << "the flushed chunks and the rest make one line";
  EXPECT_EQ("RYRYRYRYRYRY", lines[3]);
  EXPECT_TRUE(IsMessageLine(Utf8ToWide(lines[4]), L"Stop: ", started_));
  const std::string savedTail = " (vom " + kDay.FileForm() + " UTC)";
  ASSERT_TRUE(lines[5].ends_with(savedTail)) << lines[5];
  EXPECT_TRUE(IsMessageLine(Utf8ToWide(lines[5].substr(0, lines[5].size() - savedTail.size())),
                            L"Start Speichern: ", started_));
  EXPECT_TRUE(IsMessageLine(Utf8ToWide(lines[6]), L"Stop Speichern: ", started_));
  const std::string startTail = " (vom " + kDay.DisplayForm() + " UTC)";
  ASSERT_TRUE(lines[7].ends_with(startTail)) << lines[7];
  EXPECT_TRUE(IsMessageLine(Utf8ToWide(lines[7].substr(0, lines[7].size() - startTail.size())), L"Start: ",
                            started_));
  EXPECT_EQ("SEEWETTERBERICHT FUER DIE OSTSEE", lines[8]);
  EXPECT_EQ("NNNN", lines[9]);
  EXPECT_TRUE(IsMessageLine(Utf8ToWide(lines[10]), L"Stop: ", started_));
}

TEST_F(ReceptionCapture, BulletinIsSavedLineByLine) {
  const std::wstring path = InWorkingFolder(L"Wetterberichte\\Synop" + Utf8ToWide(kDay.FileForm()) + L".txt");
  EXPECT_EQ(kSavedHeader + "\n\r\n" + kSavedData + "\n\r\n" + kSavedStop + "\n\r\n", bench::ReadFileBytes(path))
      << WideToUtf8(path);
}

TEST_F(ReceptionCapture, ControlsShowTheLastWordsAndWaiting) {
  EXPECT_EQ("Status: warten", PanelText(0));
  EXPECT_EQ("FQEN", ControlText(IDC_COMBO1));
  EXPECT_EQ("NNNN", ControlText(IDC_COMBO2));
  EXPECT_EQ("&Stop", ControlText(IDC_COMMAND2));
}

// Counted after the start value 1: Beginn, 2 lines, 2 flushed chunks and the
// rest of the long line, Stop, Start Speichern, Stop Speichern, Start,
// 2 lines, Stop. The panel shows the count at the last change, before the
// final Stop line is counted: 1 + 12. Without the chunks it would be 11.
TEST_F(ReceptionCapture, LineCountCountsFlushedChunks) { EXPECT_EQ("Zeilen:13", PanelText(1)); }

}  // namespace
