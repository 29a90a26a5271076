#pragma once
// The Windows headers for the face. It calls the W functions by their own names and sees no
// TCHAR mappings, which would rename members such as CreateWindow or MoveWindow.

#include <windows.h>
// The common controls need the definitions above.
#include <commctrl.h>

#undef CreateWindow
#undef DrawText
#undef MoveWindow
