#pragma once
// The message dialog is laid out anew for each message: one line sits lower than two, and
// the window is as wide as its first line. Both faces move its controls as these say.

namespace zel {

inline constexpr int kMessageClientWidth = 354;
inline constexpr int kMessageClientHeight = 107;
inline constexpr int kMessageLineLeft = 56;
inline constexpr int kMessageSingleLineTop = 27;
inline constexpr int kMessageFirstLineTop = 21;
inline constexpr int kMessageSecondLineTop = 39;
// The outer width is the first line's end and this margin.
inline constexpr int kMessageRightMargin = 25;
inline constexpr int kMessageButtonTop = 64;
inline constexpr int kMessageButtonWidth = 65;
inline constexpr int kMessageButtonHeight = 25;

[[nodiscard]] constexpr int MessageFirstLineTop(bool twoLines) {
    return twoLines ? kMessageFirstLineTop : kMessageSingleLineTop;
}

struct MessageWidth {
    int outer = 0;
    int buttonLeft = 0;
};

// The first line measuring firstLineWidth: a longer second line is cut off at the edge.
[[nodiscard]] constexpr MessageWidth MessageWidthFor(int firstLineWidth) {
    const int outer = kMessageLineLeft + firstLineWidth + kMessageRightMargin;
    return {outer, (outer - kMessageButtonWidth) / 2};
}

} // namespace zel
