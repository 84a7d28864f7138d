#pragma once
// Where the engine window's parts lie in its client area. Designed at 96
// pixels per inch and scaled to the screen's: the picture of the signal on
// top, the mode and message lines under it, the decoded text below. A window
// made shorter takes from the text first (the text also stands in the
// program's own window), then from the picture down to its least height;
// taller, the picture takes its share of the growth.

namespace zorbel::engine_side {

struct Box {
    int left, top, width, height;
};

struct EngineLayout {
    Box signal, modeLine, messageLine, text;
};

// The window as it opens, outside measures at 96 pixels per inch.
inline constexpr int kDesignWidth = 760;
inline constexpr int kDesignHeight = 360;
// Below the least width of the program, which docks the window.
inline constexpr int kLeastWidth = 460;

int ScaledToDpi(int pixelsAt96, int dpi);
EngineLayout LayOutEngineWindow(int clientWidth, int clientHeight, int dpi);
// The least client height that shows the picture at its least and both lines.
int LeastClientHeight(int dpi);
// The outside height of a window docked with its top at `top`: the height
// wanted, cut so that it ends on the screen's work area, but at least `least`.
int DockedHeight(int wanted, int least, int top, int workAreaBottom);

}  // namespace zorbel::engine_side
