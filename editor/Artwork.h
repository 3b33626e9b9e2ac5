#pragma once
// The program's pictures, drawn at start: the splash title and the logo.
#include "automation/win32/WinApi.h"

#include "forms/Font.h"

namespace ombrelt::editor {

// "Ombrelt" with its description, light on black.
forms::Picture TitlePicture(int width, int height);
// An umbrella on the given background.
forms::Picture LogoPicture(int size, COLORREF background);

}  // namespace ombrelt::editor
