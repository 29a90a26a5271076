#include "winui/Glyphs.h"

#include <array>
#include <cmath>
#include <numbers>

namespace zel {
namespace {

constexpr COLORREF kGrey = RGB(128, 128, 128);

// Selects a pen and a brush for the life of the object and deletes them afterwards.
class Tools final {
public:
    Tools(HDC context, HPEN pen, HBRUSH brush)
        : m_context(context), m_pen(pen), m_brush(brush), m_oldPen(SelectObject(context, pen)),
          m_oldBrush(SelectObject(context, brush)) {}
    ~Tools() {
        SelectObject(m_context, m_oldPen);
        SelectObject(m_context, m_oldBrush);
        DeleteObject(m_pen);
        DeleteObject(m_brush);
    }
    Tools(const Tools&) = delete;
    Tools& operator=(const Tools&) = delete;

private:
    HDC m_context;
    HPEN m_pen;
    HBRUSH m_brush;
    HGDIOBJ m_oldPen;
    HGDIOBJ m_oldBrush;
};

void DrawThickLines(HDC context, COLORREF colour, const POINT* points, int count) {
    LOGBRUSH brush{BS_SOLID, colour, 0};
    const HPEN pen = ExtCreatePen(PS_GEOMETRIC | PS_SOLID | PS_ENDCAP_ROUND | PS_JOIN_ROUND, 3,
                                  &brush, 0, nullptr);
    const Tools tools(context, pen, static_cast<HBRUSH>(GetStockObject(NULL_BRUSH)));
    Polyline(context, points, count);
}

} // namespace

void DrawSettingsGlyph(HDC context, int left, int top, bool enabled) {
    constexpr int kTeeth = 8;
    std::array<POINT, kTeeth * 2> gear{};
    for (int tooth = 0; tooth < kTeeth * 2; ++tooth) {
        const double angle = tooth * std::numbers::pi / kTeeth;
        const double radius = tooth % 2 == 0 ? 8.2 : 6.0;
        gear[static_cast<std::size_t>(tooth)] = {
            left + static_cast<LONG>(std::lround(9 + radius * std::cos(angle))),
            top + static_cast<LONG>(std::lround(9 + radius * std::sin(angle)))};
    }
    {
        const Tools tools(
            context, CreatePen(PS_SOLID, 1, enabled ? RGB(64, 64, 64) : kGrey),
            CreateSolidBrush(enabled ? RGB(160, 160, 176) : GetSysColor(COLOR_BTNFACE)));
        Polygon(context, gear.data(), static_cast<int>(gear.size()));
    }
    const Tools hole(context, CreatePen(PS_SOLID, 1, enabled ? RGB(64, 64, 64) : kGrey),
                     CreateSolidBrush(GetSysColor(COLOR_BTNFACE)));
    Ellipse(context, left + 6, top + 6, left + 12, top + 12);
}

void DrawBrowseGlyph(HDC context, int left, int top, bool enabled) {
    const HBRUSH dots = CreateSolidBrush(enabled ? RGB(0, 0, 0) : kGrey);
    for (int dot = 0; dot < 3; ++dot) {
        const RECT square{left + dot * 3, top + 1, left + dot * 3 + 2, top + 3};
        FillRect(context, &square, dots);
    }
    DeleteObject(dots);
}

void DrawTickGlyph(HDC context, int left, int top, bool enabled) {
    const std::array<POINT, 3> tick{
        {{left + 3, top + 8}, {left + 6, top + 12}, {left + 13, top + 3}}};
    DrawThickLines(context, enabled ? RGB(0, 160, 0) : kGrey, tick.data(), 3);
}

void DrawCrossGlyph(HDC context, int left, int top, bool enabled) {
    const COLORREF colour = enabled ? RGB(208, 0, 0) : kGrey;
    const std::array<POINT, 2> down{{{left + 4, top + 4}, {left + 12, top + 12}}};
    const std::array<POINT, 2> up{{{left + 12, top + 4}, {left + 4, top + 12}}};
    DrawThickLines(context, colour, down.data(), 2);
    DrawThickLines(context, colour, up.data(), 2);
}

} // namespace zel
