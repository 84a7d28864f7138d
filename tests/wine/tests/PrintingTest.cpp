// Printing the Rx window into PDF files through a private CUPS scheduler with
// two queues (print/run-print-test.sh): the print dialog as zorbel sets it
// up, the printer chosen there (the default printer untouched), and the
// printed words and their places read back from each PDF.
#include <windows.h>
#include <dlgs.h>
#include <richedit.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <sstream>
#include <vector>

#include "StandInEngine.h"
#include "TextConversion.h"
#include "UserInput.h"
#include "WindowQueries.h"
#include "ZorbelSuite.h"
#include "resource.h"

namespace {

using bench::WideToUtf8;

constexpr bench::milliseconds kPrintBound{60000};  // CUPS runs Ghostscript on each job
constexpr double kMarginPoints = 72.0 * 2.0 / 2.54;
constexpr double kTolerancePoints = 1.5;

struct PrintedWord {
  int page;
  double xMin, yMin, xMax, yMax;
  std::string text;
};

struct Printout {
  double pageWidth = 0, pageHeight = 0;
  int pages = 0;
  std::vector<PrintedWord> words;

  std::string Text() const {
    std::string text;
    for (const auto& word : words) text += (text.empty() ? "" : " ") + word.text;
    return text;
  }
  std::vector<const PrintedWord*> OnPage(int page) const {
    std::vector<const PrintedWord*> found;
    for (const auto& word : words)
      if (word.page == page) found.push_back(&word);
    return found;
  }
};

double Attribute(const std::string& tag, const std::string& name) {
  const auto at = tag.find(name + "=\"");
  return at == std::string::npos ? 0 : std::atof(tag.c_str() + at + name.size() + 2);
}

// The page sizes and word boxes of `pdftotext -bbox` (points, y downwards).
Printout ParseBoxes(const std::string& html) {
  Printout printout;
  for (std::size_t at = 0; (at = html.find('<', at)) != std::string::npos; ++at) {
    const std::size_t close = html.find('>', at);
    const std::string tag = html.substr(at, close - at + 1);
    if (tag.starts_with("<page ")) {
      ++printout.pages;
      printout.pageWidth = Attribute(tag, "width");
      printout.pageHeight = Attribute(tag, "height");
    } else if (tag.starts_with("<word ")) {
      const std::size_t end = html.find("</word>", close);
      printout.words.push_back({printout.pages, Attribute(tag, "xMin"), Attribute(tag, "yMin"),
                                Attribute(tag, "xMax"), Attribute(tag, "yMax"), html.substr(close + 1, end - close - 1)});
    }
  }
  return printout;
}

std::string PrintFolder() {
  const char* folder = std::getenv("ZORBEL_PRINT_FOLDER");
  return folder ? folder : "";
}

std::wstring WindowsPath(const std::string& unixPath) {
  std::wstring path = L"Z:" + bench::Utf8ToWide(unixPath);
  std::replace(path.begin(), path.end(), L'/', L'\\');
  return path;
}

std::string DefaultPrinter() {
  wchar_t name[256] = {};
  DWORD size = 256;
  return GetDefaultPrinterW(name, &size) ? WideToUtf8(name) : "(none)";
}

// The queue's PDF once CUPS has written all of it, read back as word boxes.
std::optional<Printout> ReadPdf(const std::string& queue) {
  const std::string pdf = PrintFolder() + "/" + queue + ".pdf";
  // The queue wraps the PDF in printer job language, so its end is not the file's.
  const auto complete = [&] { return bench::ReadFileBytes(WindowsPath(pdf)).find("%%EOF") != std::string::npos; };
  if (!bench::PollUntil(complete, kPrintBound)) return std::nullopt;
  // Wine starts a Linux program named by its path, though without a process
  // handle to wait on; the result appears under its final name only when whole.
  const std::string boxes = pdf + ".html";
  std::wstring command = bench::Utf8ToWide("Z:\\bin\\sh -c \"(pdftotext -bbox " + pdf + " " + boxes + ".part && mv " +
                                           boxes + ".part " + boxes + ") || echo failed >" + boxes + "\"");
  STARTUPINFOW startup{};
  startup.cb = sizeof(startup);
  PROCESS_INFORMATION started{};
  if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &started))
    return std::nullopt;
  if (started.hProcess) CloseHandle(started.hProcess);
  if (started.hThread) CloseHandle(started.hThread);
  const std::wstring boxesPath = WindowsPath(boxes);
  if (!bench::PollUntil([&] { return GetFileAttributesW(boxesPath.c_str()) != INVALID_FILE_ATTRIBUTES; }, kPrintBound))
    return std::nullopt;
  return ParseBoxes(bench::ReadFileBytes(boxesPath));
}

class Printing : public ZorbelSuite {
 protected:
  static void SetUpTestSuite() {
    defaultPrinter_ = DefaultPrinter();
    StartWithStandIn(L"");
  }

  // Answers the print dialog: the queue chosen in the printer list, then OK
  // (or Cancel). Returns the range buttons as the dialog offered them:
  // "-" before one disabled, "*" after the one checked.
  static std::string AnswerPrintDialog(const std::wstring& queue, int button = IDOK) {
    const auto dialog = NextBox();
    if (!dialog) return "no print dialog";
    const HWND window = dialog->window;
    std::string offered;
    for (const auto& [radio, name] : {std::pair{rad1, "all"}, {rad2, "selection"}, {rad3, "pages"}}) {
      const HWND item = GetDlgItem(window, radio);
      offered += std::string(IsWindowEnabled(item) ? "" : "-") + name +
                 (bench::SendBounded(item, BM_GETCHECK) == BST_CHECKED ? "*" : "") + " ";
    }
    const HWND printers = GetDlgItem(window, cmb4);
    const auto names = bench::ComboItems(printers);
    const auto found = std::find(names.begin(), names.end(), queue);
    if (found == names.end()) return offered + "no printer " + WideToUtf8(queue);
    bench::SendBounded(printers, CB_SETCURSEL, found - names.begin());
    PostMessageW(window, WM_COMMAND, MAKEWPARAM(cmb4, CBN_SELCHANGE), reinterpret_cast<LPARAM>(printers));
    PostMessageW(window, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(window, button)));
    if (!bench::PollUntil([&] { return !IsWindowVisible(window); }, kBound)) offered += "stayed";
    return offered;
  }

  static inline std::string defaultPrinter_;
  // The first line's top on a page that does not start the printout.
  static inline double secondPageTop_ = 0;
  static inline double linePitch_ = 0;
};

// Seventy numbered lines with umlauts, one paragraph too long for a line.
std::wstring RxText() {
  std::wstring text;
  for (int line = 1; line <= 70; ++line) {
    text += L"Zeile " + std::to_wstring(line) + L" Kühl Öl Straße";
    if (line == 5)
      for (int word = 0; word < 30; ++word) text += L" Wortumbruch" + std::to_wstring(word);
    text += L"\r\n";
  }
  return text;
}

std::string WordsOf(const std::wstring& text) {
  std::istringstream words(WideToUtf8(text));
  std::string joined;
  for (std::string word; words >> word;) joined += (joined.empty() ? "" : " ") + word;
  return joined;
}

TEST_F(Printing, WholeTextFromTheToolbarOnPagesWithinTheMargins) {
  ASSERT_FALSE(PrintFolder().empty()) << "run by print/run-print-test.sh, which sets ZORBEL_PRINT_FOLDER";
  const std::wstring text = RxText();
  bench::SendBounded(ControlOfMain(IDC_RICHTEXTBOX1), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
  bench::ChooseMenuItem(MainWindow(), IDT_PRINT);
  EXPECT_EQ("all* -selection -pages ", AnswerPrintDialog(L"ZorbelWhole"))
      << "no selection: all pages, no page numbers";
  const auto printout = ReadPdf("ZorbelWhole");
  ASSERT_TRUE(printout) << "no PDF from the queue ZorbelWhole";
  EXPECT_EQ(WordsOf(text), printout->Text());
  ASSERT_GE(printout->pages, 2);
  for (int page = 1; page <= printout->pages; ++page)
    EXPECT_FALSE(printout->OnPage(page).empty()) << "page " << page << " is blank";

  double left = 1e9, right = 0, bottom = 0;
  std::vector<double> lineTops;
  for (const auto& word : printout->words) {
    left = std::min(left, word.xMin);
    right = std::max(right, word.xMax);
    bottom = std::max(bottom, word.yMax);
    if (word.page == 1 && (lineTops.empty() || word.yMin > lineTops.back() + kTolerancePoints))
      lineTops.push_back(word.yMin);
  }
  EXPECT_NEAR(kMarginPoints, left, kTolerancePoints);
  EXPECT_LE(right, printout->pageWidth - kMarginPoints + kTolerancePoints);
  EXPECT_LE(bottom, printout->pageHeight - kMarginPoints + kTolerancePoints);
  ASSERT_GE(lineTops.size(), 2u);
  const auto top = [&](const std::string& word) {
    for (const auto& printed : printout->words)
      if (printed.text == word) return printed.yMin;
    return 0.0;
  };
  EXPECT_LT(top("Wortumbruch0") + kTolerancePoints, top("Wortumbruch29")) << "the long paragraph wraps";
  linePitch_ = lineTops[1] - lineTops[0];
  secondPageTop_ = printout->OnPage(2).front()->yMin;
  EXPECT_NEAR(secondPageTop_ + linePitch_, lineTops[0], kTolerancePoints) << "the empty line before the text";
  EXPECT_EQ(defaultPrinter_, DefaultPrinter());
}

TEST_F(Printing, ACancelledDialogPrintsNothing) {
  bench::ChooseMenuItem(MainWindow(), IDM_PRINT);
  EXPECT_EQ("all* -selection -pages ", AnswerPrintDialog(L"ZorbelSelection", IDCANCEL));
  WaitUntilHandled();
  EXPECT_EQ("", NoBoxes());
  EXPECT_EQ(INVALID_FILE_ATTRIBUTES,
            GetFileAttributesW(WindowsPath(PrintFolder() + "/ZorbelSelection.pdf").c_str()));
}

TEST_F(Printing, TheSelectionOnlyOnTheQueueChosenInTheDialog) {
  // Lines 3 and 4: RichEdit counts each line end as one character.
  const std::wstring text = RxText();
  const auto third = text.find(L"Zeile 3 ");
  const auto fifth = text.find(L"Zeile 5 ");
  const LONG start = static_cast<LONG>(third - 2), end = static_cast<LONG>(fifth - 4 - 1);
  bench::SendBounded(ControlOfMain(IDC_RICHTEXTBOX1), EM_SETSEL, start, end);
  bench::ChooseMenuItem(MainWindow(), IDM_PRINT);
  EXPECT_EQ("all selection* -pages ", AnswerPrintDialog(L"ZorbelSelection"));
  const auto printout = ReadPdf("ZorbelSelection");
  ASSERT_TRUE(printout) << "no PDF from the queue ZorbelSelection";
  EXPECT_EQ("Zeile 3 Kühl Öl Straße Zeile 4 Kühl Öl Straße", printout->Text());
  EXPECT_EQ(1, printout->pages);
  ASSERT_FALSE(printout->words.empty());
  EXPECT_NEAR(secondPageTop_ + linePitch_, printout->words.front().yMin, kTolerancePoints)
      << "the empty line before the selection";
  EXPECT_EQ(defaultPrinter_, DefaultPrinter());
  WaitUntilHandled();
  EXPECT_EQ("", NoBoxes());
}

}  // namespace
