#pragma once
// A window's display scale (its dots per inch) and the icon sizes and system fonts that go with it.
// Where the system scales each monitor on its own, a window has its monitor's scale; elsewhere
// every window has the system's.

#include <windows.h>

#include "win32/base/unique_handle.h"

namespace dm::win {

// The screen's dots per inch as the program was started with (96 at 100 %).
int SystemDpi();
// window's dots per inch: its monitor's, or the system's where monitors are not scaled apart.
int WindowDpi(HWND window);
// A system metric (SM_CXSMICON, SM_CXICON, SM_CXMENUCHECK ...) at dpi.
int SystemMetricForDpi(int index, int dpi);

enum class SystemFont { Message, Menu };
// The system's message or menu font at dpi.
LOGFONTW SystemFontForDpi(SystemFont font, int dpi);

// The outer size of a window of style and exStyle whose client area is client, at dpi.
SIZE FrameSizeForDpi(SIZE client, DWORD style, DWORD exStyle, int dpi);

// The icon resourceId at pixels x pixels: the image of that size, or the nearest scaled to it.
UniqueIcon LoadIconAtSize(HINSTANCE instance, int resourceId, int pixels);

}  // namespace dm::win
