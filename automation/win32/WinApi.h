#pragma once
// windows.h for files that also see the desktop seam. windows.h turns names
// such as SendMessage, FindWindow and MessageBox into macros, which would
// rename the seam's methods; Win32 code calls the A functions by name.
#include <windows.h>

#include <shellapi.h>

#undef SendMessage
#undef FindWindow
#undef FindWindowEx
#undef GetClassName
#undef GetWindowText
#undef MessageBox
#undef ShellExecute
