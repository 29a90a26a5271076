#include "winui/MessagePictures.h"

#include <functional>

namespace zel {
namespace {

constexpr int kSize = 32;

// A solid pen and brush selected for one drawing step, put back afterwards.
class Paint final {
public:
    Paint(HDC dc, COLORREF line, int width, COLORREF fill)
        : m_dc(dc), m_pen(CreatePen(PS_SOLID, width, line)), m_brush(CreateSolidBrush(fill)),
          m_oldPen(SelectObject(dc, m_pen)), m_oldBrush(SelectObject(dc, m_brush)) {}
    ~Paint() {
        SelectObject(m_dc, m_oldPen);
        SelectObject(m_dc, m_oldBrush);
        DeleteObject(m_pen);
        DeleteObject(m_brush);
    }
    Paint(const Paint&) = delete;
    Paint& operator=(const Paint&) = delete;

private:
    HDC m_dc;
    HPEN m_pen;
    HBRUSH m_brush;
    HGDIOBJ m_oldPen;
    HGDIOBJ m_oldBrush;
};

HBITMAP Draw(const std::function<void(HDC)>& symbol) {
    const HDC screen = GetDC(nullptr);
    const HDC dc = CreateCompatibleDC(screen);
    const HBITMAP picture = CreateCompatibleBitmap(screen, kSize, kSize);
    ReleaseDC(nullptr, screen);
    const HGDIOBJ old = SelectObject(dc, picture);
    const RECT all{0, 0, kSize, kSize};
    FillRect(dc, &all, GetSysColorBrush(COLOR_BTNFACE));
    symbol(dc);
    SelectObject(dc, old);
    DeleteDC(dc);
    return picture;
}

} // namespace

HBITMAP ErrorPicture() {
    static const HBITMAP picture = Draw([](HDC dc) {
        {
            const Paint disc(dc, RGB(128, 0, 0), 1, RGB(255, 0, 0));
            Ellipse(dc, 1, 1, 31, 31);
        }
        const Paint cross(dc, RGB(255, 255, 255), 4, RGB(255, 255, 255));
        MoveToEx(dc, 10, 10, nullptr);
        LineTo(dc, 21, 21);
        MoveToEx(dc, 21, 10, nullptr);
        LineTo(dc, 10, 21);
    });
    return picture;
}

HBITMAP WarningPicture() {
    static const HBITMAP picture = Draw([](HDC dc) {
        {
            const Paint triangle(dc, RGB(0, 0, 0), 1, RGB(255, 255, 0));
            const POINT corners[] = {{16, 2}, {30, 29}, {1, 29}};
            Polygon(dc, corners, 3);
        }
        const Paint mark(dc, RGB(0, 0, 0), 1, RGB(0, 0, 0));
        RoundRect(dc, 14, 10, 18, 21, 2, 2);
        Ellipse(dc, 14, 23, 18, 27);
    });
    return picture;
}

HBITMAP InformationPicture() {
    static const HBITMAP picture = Draw([](HDC dc) {
        {
            const Paint bubble(dc, RGB(0, 0, 0), 1, RGB(255, 255, 255));
            const POINT tail[] = {{8, 19}, {5, 30}, {15, 23}};
            Polygon(dc, tail, 3);
            Ellipse(dc, 1, 1, 31, 25);
        }
        const Paint letter(dc, RGB(0, 0, 255), 1, RGB(0, 0, 255));
        Ellipse(dc, 14, 5, 18, 9);
        Rectangle(dc, 14, 11, 18, 21);
        Rectangle(dc, 12, 11, 14, 13);
        Rectangle(dc, 12, 19, 20, 21);
    });
    return picture;
}

} // namespace zel
