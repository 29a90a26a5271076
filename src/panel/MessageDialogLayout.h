#pragma once
// The message dialog is laid out anew for each message: one line sits lower than two, and
// the window is as wide as its first line. Both faces move its controls by these numbers.

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

} // namespace zel
