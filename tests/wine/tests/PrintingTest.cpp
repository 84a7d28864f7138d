// Printing the Rx window into PDF files through a private CUPS scheduler
// (print/run-print-test.sh): the print dialog as zorbel sets it up, the queue
// chosen there (the default printer untouched), the printed words with their
// places read back from each PDF, and the box of a queue refusing the job.
#include <windows.h>
#include <dlgs.h>
#include <richedit.h>

#include <algorithm>
#include <cstdlib>
#include <sstream>

#include "BenchConfig.h"
#include "StandInEngine.h"
#include "TextConversion.h"
#include "UserInput.h"
#include "WindowQueries.h"
#include "ZorbelSuite.h"
#include "resource.h"

namespace {

using bench::ToWindowsPath;
using bench::WideToUtf8;

constexpr bench::milliseconds kPrintBound{60000};  // CUPS runs Ghostscript on each job

struct Printout {
  std::string words;              // as read, one blank between words
  std::vector<double> pageTops;   // the top of each page's first word, in points
};

std::string Folder() {
  const char* folder = std::getenv("ZORBEL_PRINT_FOLDER");
  return folder ? folder : "";
}

std::string DefaultPrinter() {
  wchar_t name[256] = {};
  DWORD size = 256;
  return GetDefaultPrinterW(name, &size) ? WideToUtf8(name) : "(none)";
}

// The words and page tops of the queue's PDF once CUPS has written it.
std::optional<Printout> ReadPdf(const std::string& queue) {
  const std::string pdf = Folder() + "/" + queue + ".pdf", boxes = pdf + ".html";
  // The queue wraps the PDF in printer job language, so its end is not the file's.
  if (!bench::PollUntil([&] { return bench::ReadFileBytes(ToWindowsPath(pdf)).find("%%EOF") != std::string::npos; },
                        kPrintBound))
    return std::nullopt;
  // Wine starts a Linux program named by its path, though without a process
  // handle to wait on; the result gets its final name only when whole.
  std::wstring command = bench::Utf8ToWide("Z:\\bin\\sh -c \"(pdftotext -bbox " + pdf + " " + boxes + ".part && mv " +
                                           boxes + ".part " + boxes + ") || echo failed >" + boxes + "\"");
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION started{};
  if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &started) ||
      !bench::PollUntil([&] { return GetFileAttributesW(ToWindowsPath(boxes).c_str()) != INVALID_FILE_ATTRIBUTES; },
                        kPrintBound))
    return std::nullopt;
  const std::string html = bench::ReadFileBytes(ToWindowsPath(boxes));
  Printout printout;
  bool pageStarted = false;
  for (std::size_t at = 0; (at = html.find('<', at)) != std::string::npos; ++at) {
    if (html.compare(at, 6, "<page ") == 0) pageStarted = true;
    if (html.compare(at, 6, "<word ") != 0) continue;
    const std::size_t text = html.find('>', at) + 1;
    if (!printout.words.empty()) printout.words += ' ';
    printout.words += html.substr(text, html.find('<', text) - text);
    if (pageStarted) printout.pageTops.push_back(std::atof(html.c_str() + html.find("yMin=\"", at) + 6));
    pageStarted = false;
  }
  return printout;
}

std::string WordsOf(const std::wstring& text) {
  std::istringstream words(WideToUtf8(text));
  std::string joined;
  for (std::string word; words >> word;) joined += (joined.empty() ? "" : " ") + word;
  return joined;
}

class Printing : public ZorbelSuite {
 protected:
  static void SetUpTestSuite() {
    defaultPrinter_ = DefaultPrinter();
    StartWithStandIn(L"");
  }

  // Chooses the queue in the print dialog and presses the button; returns the
  // range buttons as offered: "-" before a disabled one, "*" after the checked.
  static std::string AnswerPrintDialog(const std::wstring& queue, int button = IDOK) {
    const auto dialog = NextBox();
    if (!dialog) return "no print dialog";
    const HWND window = dialog->window;
    std::string offered;
    for (const auto& [radio, name] : {std::pair{rad1, "all"}, {rad2, "selection"}, {rad3, "pages"}}) {
      const HWND item = GetDlgItem(window, radio);
      offered += std::string(IsWindowEnabled(item) ? "" : "-") + name +
                 (bench::SendBounded(item, BM_GETCHECK) == BST_CHECKED ? "* " : " ");
    }
    const HWND printers = GetDlgItem(window, cmb4);
    const auto names = bench::ComboItems(printers);
    const auto found = std::find(names.begin(), names.end(), queue);
    if (found == names.end()) return offered + "no printer " + WideToUtf8(queue);
    bench::SendBounded(printers, CB_SETCURSEL, found - names.begin());
    PostMessageW(window, WM_COMMAND, MAKEWPARAM(cmb4, CBN_SELCHANGE), reinterpret_cast<LPARAM>(printers));
    PostMessageW(window, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(window, button)));
    return bench::PollUntil([&] { return !IsWindowVisible(window); }, kBound) ? offered : offered + "stayed";
  }

  static inline std::string defaultPrinter_;
  static inline double firstPageTop_ = 0;
};

// Seventy numbered lines with umlauts, the fifth too long for one printed line.
std::wstring RxText() {
  std::wstring text;
  for (int line = 1; line <= 70; ++line) {
    text += L"Zeile " + std::to_wstring(line) + L" Kühl Öl Straße";
    for (int word = 0; line == 5 && word < 30; ++word) text += L" Wortumbruch" + std::to_wstring(word);
    text += L"\r\n";
  }
  return text;
}

TEST_F(Printing, WholeTextFromTheToolbarAfterAnEmptyLineAndNothingWhenCancelled) {
  ASSERT_FALSE(Folder().empty()) << "run by print/run-print-test.sh, which sets ZORBEL_PRINT_FOLDER";
  bench::SendBounded(ControlOfMain(IDC_RX_WINDOW), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(RxText().c_str()));
  bench::ChooseMenuItem(MainWindow(), IDT_PRINT);
  EXPECT_EQ("all* -selection -pages ", AnswerPrintDialog(L"ZorbelWhole"));
  const auto printout = ReadPdf("ZorbelWhole");
  ASSERT_TRUE(printout) << "no PDF from the queue ZorbelWhole";
  EXPECT_EQ(WordsOf(RxText()), printout->words);
  ASSERT_EQ(2u, printout->pageTops.size()) << "one job, no blank page";
  firstPageTop_ = printout->pageTops[0];
  EXPECT_GT(firstPageTop_ - printout->pageTops[1], 5.0) << "the empty line starts the first page only";

  bench::ChooseMenuItem(MainWindow(), IDM_PRINT);
  EXPECT_EQ("all* -selection -pages ", AnswerPrintDialog(L"ZorbelSelection", IDCANCEL));
  WaitUntilHandled();
  EXPECT_EQ("", NoBoxes());
  EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesW(ToWindowsPath(Folder() + "/ZorbelSelection.pdf").c_str()));
}

TEST_F(Printing, TheSelectionAfterAnEmptyLineOnTheQueueChosenInTheDialog) {
  // Lines 3 and 4; RichEdit counts a line end as one character.
  const std::wstring text = RxText();
  const auto third = text.find(L"Zeile 3 "), fifth = text.find(L"Zeile 5 ");
  bench::SendBounded(ControlOfMain(IDC_RX_WINDOW), EM_SETSEL, third - 2, fifth - 4 - 1);
  bench::ChooseMenuItem(MainWindow(), IDM_PRINT);
  EXPECT_EQ("all selection* -pages ", AnswerPrintDialog(L"ZorbelSelection"));
  const auto printout = ReadPdf("ZorbelSelection");
  ASSERT_TRUE(printout) << "no PDF from the queue ZorbelSelection";
  EXPECT_EQ("Zeile 3 Kühl Öl Straße Zeile 4 Kühl Öl Straße", printout->words);
  EXPECT_EQ(std::vector<double>{firstPageTop_}, printout->pageTops);
  EXPECT_EQ(defaultPrinter_, DefaultPrinter());
  WaitUntilHandled();
  EXPECT_EQ("", NoBoxes());
}

TEST_F(Printing, AQueueRefusingTheJobGivesABoxWithTheReason) {
  bench::ChooseMenuItem(MainWindow(), IDM_PRINT);
  EXPECT_EQ("all selection* -pages ", AnswerPrintDialog(L"ZorbelRefusing"));
  const auto box = NextBox(kPrintBound);
  ASSERT_TRUE(box) << "no box";
  EXPECT_EQ("Fehler", WideToUtf8(box->title));
  EXPECT_TRUE(box->text.starts_with(L"Der Text konnte nicht gedruckt werden.\r\n\r\n")) << WideToUtf8(box->text);
  EXPECT_EQ("exclamation", IconOfBox());
  bench::AnswerMessageBox(*box, L"OK");
}

}  // namespace
