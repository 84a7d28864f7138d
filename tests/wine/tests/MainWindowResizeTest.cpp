// The resize rules: a minimum outer size, and the Rx window, the receive
// line and the record button following the client area.
#include "Poll.h"
#include "ScreenMetrics.h"
#include "WindowQueries.h"
#include "ZorbelSuite.h"
#include "resource.h"

namespace {

using bench::ToPx;

constexpr bench::milliseconds kLayoutBound{3000};

class MainWindowResize : public ZorbelSuite {
 protected:
  // Asynchronous, so a hung zorbel cannot hang the test; the checks then
  // wait (bounded) for the layout to settle.
  void ResizeMainWindow(int width, int height) {
    SetWindowPos(MainWindow(), nullptr, 0, 0, width, height,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_ASYNCWINDOWPOS);
  }
};

TEST_F(MainWindowResize, TooSmallSnapsBackToMinimumOuterSize) {
  ResizeMainWindow(100, 100);
  const SIZE minimum{ToPx(7080), ToPx(2510)};
  bench::PollUntil(
      [&] {
        const SIZE size = bench::OuterSize(MainWindow());
        return size.cx == minimum.cx && size.cy == minimum.cy;
      },
      kLayoutBound);
  const SIZE size = bench::OuterSize(MainWindow());
  EXPECT_EQ(minimum.cx, size.cx);
  EXPECT_EQ(minimum.cy, size.cy);
}

TEST_F(MainWindowResize, ControlsFollowTheClientArea) {
  constexpr int kWidth = 820, kHeight = 560;
  ResizeMainWindow(kWidth, kHeight);
  const HWND rx = ControlOfMain(IDC_RICHTEXTBOX1);
  const HWND line = ControlOfMain(IDC_LABEL1);
  const HWND record = ControlOfMain(IDC_COMMAND2);
  const HWND statusBar = ControlOfMain(IDC_STATUSBAR1);
  const int margin = ToPx(60);
  bench::PollUntil(
      [&] {
        const SIZE outer = bench::OuterSize(MainWindow());
        const RECT rect = bench::RectInParent(rx);
        return outer.cx == kWidth && outer.cy == kHeight &&
               rect.right - rect.left == bench::ClientSize(MainWindow()).cx - 2 * margin;
      },
      kLayoutBound);

  const SIZE client = bench::ClientSize(MainWindow());
  const RECT status = bench::RectInParent(statusBar);
  const int statusHeight = status.bottom - status.top;
  const RECT lineRect = bench::RectInParent(line);
  const int lineHeight = lineRect.bottom - lineRect.top;
  const RECT rxRect = bench::RectInParent(rx);
  const RECT recordRect = bench::RectInParent(record);

  EXPECT_EQ(client.cy, status.bottom) << "status bar docked at the bottom";
  EXPECT_EQ(margin, rxRect.left);
  EXPECT_EQ(client.cx - 2 * margin, rxRect.right - rxRect.left);
  EXPECT_EQ(ToPx(540), rxRect.top);
  EXPECT_EQ(client.cy - statusHeight - lineHeight - ToPx(540), rxRect.bottom - rxRect.top);
  EXPECT_EQ(margin, lineRect.left);
  EXPECT_EQ(client.cx - 2 * margin, lineRect.right - lineRect.left);
  EXPECT_EQ(client.cy - statusHeight - lineHeight, lineRect.top);
  EXPECT_EQ(client.cx - ToPx(1215) - ToPx(5), recordRect.left);
}

}  // namespace
