#include "win32/StationMapPainter.h"

#include <cmath>
#include <vector>

#include "win32/Encoding.h"
#include "win32/Handles.h"

namespace zorbel::win32 {
namespace {

constexpr COLORREF kSea = RGB(214, 230, 242);
constexpr COLORREF kLand = RGB(238, 232, 212);
constexpr COLORREF kCoast = RGB(150, 135, 105);
constexpr COLORREF kGraticule = RGB(170, 190, 210);
constexpr COLORREF kInk = RGB(20, 20, 20);
constexpr COLORREF kPaper = RGB(255, 255, 255);
constexpr COLORREF kLeader = RGB(70, 70, 70);

COLORREF LabelColour(weather::LabelRole role) {
    switch (role) {
    case weather::LabelRole::Temperature: return RGB(180, 0, 0);
    case weather::LabelRole::DewPoint: return RGB(0, 110, 0);
    case weather::LabelRole::Pressure:
    case weather::LabelRole::Tendency: return RGB(0, 0, 150);
    case weather::LabelRole::Graticule: return RGB(90, 110, 130);
    case weather::LabelRole::Title:
    case weather::LabelRole::Note: return kInk;
    }
    return kInk;
}

POINT Pixel(weather::MapPoint point) {
    return {static_cast<LONG>(std::lround(point.x)), static_cast<LONG>(std::lround(point.y))};
}

std::vector<POINT> Pixels(const std::vector<weather::MapPoint>& points) {
    std::vector<POINT> pixels;
    pixels.reserve(points.size());
    for (const weather::MapPoint& point : points) pixels.push_back(Pixel(point));
    return pixels;
}

UINT TextAlignment(const weather::Label& label) {
    UINT alignment = label.horizontal == weather::HorizontalAlign::Left    ? TA_LEFT
                     : label.horizontal == weather::HorizontalAlign::Right ? TA_RIGHT
                                                                           : TA_CENTER;
    return alignment | (label.vertical == weather::VerticalAlign::Bottom ? TA_BOTTOM : TA_TOP);
}

void DrawLabel(HDC dc, const weather::Label& label, int middleShift) {
    const std::wstring text = Utf8ToWide(label.utf8Text);
    SetTextColor(dc, LabelColour(label.role));
    SetTextAlign(dc, TextAlignment(label));
    const POINT at = Pixel(label.anchor);
    const int y = label.vertical == weather::VerticalAlign::Middle ? at.y - middleShift : at.y;
    TextOutW(dc, at.x, y, text.c_str(), static_cast<int>(text.size()));
}

void DrawLand(HDC dc, const weather::MapScene& scene, int penWidth) {
    std::vector<POINT> points;
    std::vector<INT> counts;
    for (const auto& ring : scene.land) {
        for (const weather::MapPoint& point : ring) points.push_back(Pixel(point));
        counts.push_back(static_cast<INT>(ring.size()));
    }
    const BrushHandle land(CreateSolidBrush(kLand));
    const PenHandle coast(CreatePen(PS_SOLID, penWidth, kCoast));
    const SelectedObject brush(dc, land.get()), pen(dc, coast.get());
    // Even-odd: a lake or an inland sea cut out of the land stays water.
    SetPolyFillMode(dc, ALTERNATE);
    PolyPolygon(dc, points.data(), counts.data(), static_cast<int>(counts.size()));
}

class StationInk {
public:
    StationInk(HDC dc, int penWidth)
        : dc_(dc),
          darkPen_(CreatePen(PS_SOLID, penWidth, kInk)),
          paperPen_(CreatePen(PS_SOLID, penWidth + 1, kPaper)),
          darkBrush_(CreateSolidBrush(kInk)),
          paperBrush_(CreateSolidBrush(kPaper)) {}

    void Draw(const weather::Drawing& drawing, int middleShift) const {
        const SelectedObject pen(dc_, darkPen_.get()), brush(dc_, paperBrush_.get());
        for (const weather::Circle& circle : drawing.circles) {
            SelectObject(dc_, circle.filled ? darkBrush_.get() : paperBrush_.get());
            const POINT centre = Pixel(circle.centre);
            const int radius = std::max(1, static_cast<int>(std::lround(circle.radius)));
            Ellipse(dc_, centre.x - radius, centre.y - radius, centre.x + radius + 1, centre.y + radius + 1);
        }
        SelectObject(dc_, darkBrush_.get());
        SetArcDirection(dc_, AD_CLOCKWISE);
        for (const weather::Sector& sector : drawing.sectors) {
            const POINT centre = Pixel(sector.centre);
            const int radius = static_cast<int>(std::lround(sector.radius));
            const auto onRim = [&](double compassDeg) {
                const double radians = compassDeg * 3.14159265358979 / 180;
                return Pixel({sector.centre.x + 2 * radius * std::sin(radians),
                              sector.centre.y - 2 * radius * std::cos(radians)});
            };
            const POINT from = onRim(sector.startDeg), to = onRim(sector.startDeg + sector.sweepDeg);
            Pie(dc_, centre.x - radius, centre.y - radius, centre.x + radius + 1, centre.y + radius + 1, from.x,
                from.y, to.x, to.y);
        }
        for (const auto& fill : drawing.fills) {
            const std::vector<POINT> points = Pixels(fill);
            Polygon(dc_, points.data(), static_cast<int>(points.size()));
        }
        for (const weather::Polyline& line : drawing.lines) {
            SelectObject(dc_, line.ink == weather::Ink::Paper ? paperPen_.get() : darkPen_.get());
            const std::vector<POINT> points = Pixels(line.points);
            Polyline(dc_, points.data(), static_cast<int>(points.size()));
        }
        for (const weather::Label& label : drawing.labels) DrawLabel(dc_, label, middleShift);
    }

private:
    HDC dc_;
    PenHandle darkPen_, paperPen_;
    BrushHandle darkBrush_, paperBrush_;
};

FontHandle MapFont(int dpi, int points, int weight) {
    return FontHandle(CreateFontW(-MulDiv(points, dpi, 72), 0, 0, 0, weight, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                                  OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, CLEARTYPE_QUALITY, DEFAULT_PITCH | FF_SWISS,
                                  L"Arial"));
}

constexpr int kFigurePoints = 8;
constexpr int kTitlePoints = 10;

// A moved model's leader and the mark on its station; a station without room
// for its model keeps the mark alone.
void DrawStationMarks(HDC dc, const weather::MapScene& scene, double unit) {
    const PenHandle thin(CreatePen(PS_SOLID, 1, kLeader));
    const BrushHandle dot(CreateSolidBrush(kInk));
    const SelectedObject pen(dc, thin.get()), brush(dc, dot.get());
    const int radius = std::max(2, static_cast<int>(std::lround(unit * 0.4)));
    for (const weather::StationOnMap& station : scene.stations) {
        if (station.fitted && station.leader.empty()) continue;
        if (!station.leader.empty()) {
            const std::vector<POINT> points = Pixels(station.leader);
            Polyline(dc, points.data(), static_cast<int>(points.size()));
        }
        const POINT at = Pixel(station.place);
        Ellipse(dc, at.x - radius, at.y - radius, at.x + radius + 1, at.y + radius + 1);
    }
}

// The title and notes on paper, so that land and graticule do not run through them.
void DrawNotes(HDC dc, const weather::MapScene& scene, int dpi) {
    const FontHandle title = MapFont(dpi, kTitlePoints, FW_BOLD), note = MapFont(dpi, kFigurePoints, FW_NORMAL);
    SetBkMode(dc, OPAQUE);
    SetBkColor(dc, kPaper);
    for (const weather::Label& label : scene.notes) {
        const SelectedObject font(dc, label.role == weather::LabelRole::Title ? title.get() : note.get());
        DrawLabel(dc, label, 0);
    }
    SetBkMode(dc, TRANSPARENT);
}

}  // namespace

weather::TextSize MeasureMapText(HDC dc, int dpi) {
    const FontHandle font = MapFont(dpi, kFigurePoints, FW_NORMAL);
    const SelectedObject selected(dc, font.get());
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc, &metrics);
    SIZE figures{};
    GetTextExtentPoint32W(dc, L"0123456789", 10, &figures);
    return {figures.cx / 10.0, static_cast<double>(metrics.tmHeight)};
}

double StationUnitAt(int dpi) { return 4.5 * dpi / 96.0; }

void PaintStationMap(HDC dc, SIZE size, const weather::MapScene& scene, int dpi) {
    const int penWidth = std::max(1, MulDiv(1, dpi, 96));
    RECT all{0, 0, size.cx, size.cy};
    const BrushHandle sea(CreateSolidBrush(kSea));
    FillRect(dc, &all, sea.get());
    DrawLand(dc, scene, penWidth);

    {
        const PenHandle graticule(CreatePen(PS_SOLID, 1, kGraticule));
        const SelectedObject pen(dc, graticule.get());
        for (const weather::Polyline& line : scene.graticule) {
            const std::vector<POINT> points = Pixels(line.points);
            Polyline(dc, points.data(), static_cast<int>(points.size()));
        }
    }

    const FontHandle font = MapFont(dpi, kFigurePoints, FW_NORMAL);
    const SelectedObject selectedFont(dc, font.get());
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc, &metrics);
    const int middleShift = metrics.tmHeight / 2;
    SetBkMode(dc, TRANSPARENT);
    for (const weather::Label& label : scene.graticuleLabels) DrawLabel(dc, label, middleShift);

    const StationInk ink(dc, penWidth);
    DrawStationMarks(dc, scene, StationUnitAt(dpi));
    for (const weather::StationOnMap& station : scene.stations) ink.Draw(station.model, middleShift);
    DrawNotes(dc, scene, dpi);
}

}  // namespace zorbel::win32
