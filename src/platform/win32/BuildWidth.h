#pragma once
// The one thing the shipped 32-bit ZELPULT.EXE and a 64-bit build of the same sources differ
// in (the latter runs the tests on hosts that cannot run 32-bit programs): the width of a
// pointer, and with it whether the process can meet the DOS subsystem, which only 32-bit
// Windows has and only a 32-bit program sees.

namespace zel::win32 {

inline constexpr bool kBuilt32Bit = sizeof(void*) == 4;

} // namespace zel::win32
