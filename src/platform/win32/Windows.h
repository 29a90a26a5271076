#pragma once
// The Windows headers for the platform layer. They map names such as CreateDirectory and
// DeleteFile to their A and W functions as macros, which would rename the Platform
// interface's members of the same names: the layer calls the A functions by their own
// names, and the macros go.

#include <windows.h>

#undef CreateDirectory
#undef DeleteFile
#undef GetDriveType
#undef RemoveDirectory
#undef SetCurrentDirectory
