#pragma once
// The path of received text into the Rx window: the line buffer shown in the
// receive line, its long-line guard, the append at the end of the Rx window,
// and the line count in status panel 2.

#include <cstdint>
#include <string>
#include <string_view>

#include "capture/CaptureFlags.h"
#include "platform/LineLabel.h"
#include "platform/RxView.h"
#include "platform/StatusPanels.h"

namespace zorbel {

class ReceivePipeline {
public:
    ReceivePipeline(platform::RxView& rx, platform::StatusPanels& panels, platform::LineLabel& label,
                    const CaptureFlags& flags);

    // The line buffer: characters since the last line feed, shown in the
    // receive line. Each character runs the long-line guard, which empties a
    // buffer of more than 80 characters: in the writing state the chunk goes
    // to the Rx window, otherwise it is returned for the caller to save or
    // drop. Empty when nothing was flushed or the Rx window took it.
    const std::string& LineBuffer() const { return lineBuffer_; }
    // Characters arrived since the last line feed, in the buffer or flushed by the long-line guard.
    bool LineUnfinished() const { return lineUnfinished_; }
    std::string AppendToLineBuffer(char ansiChar);
    void ClearLineBuffer();

    // Inserts the text at the end of the Rx window; counts nothing itself.
    void AppendToRxWindow(std::string_view ansiText);

    std::int32_t RxLineCount() const { return rxLineCount_; }
    void CountRxLine();
    void ResetRxLineCount();

    // The Rx window's text changed: panel 2 shows the count held now.
    void OnRxWindowChanged();
    // A key went down in the Rx window, before the control handles it.
    void OnRxKeyDown(int keyCode);

private:
    void ShowLineCount();

    platform::RxView& rx_;
    platform::StatusPanels& panels_;
    platform::LineLabel& label_;
    const CaptureFlags& flags_;
    std::string lineBuffer_;
    bool lineUnfinished_ = false;
    std::int32_t rxLineCount_;
};

}  // namespace zorbel
