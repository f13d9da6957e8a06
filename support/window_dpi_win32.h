// support/window_dpi_win32.h
#pragma once

#include <windows.h>

// The dots per inch of the monitor a window is on, as a per-monitor aware program sees it (the
// system's before Windows 10, which cannot tell monitors apart).
UINT WindowDpi(HWND window);

// A system metric (SM_CYMENUCHECK, ...) at the window's dots per inch rather than the system's.
int MetricForWindow(HWND window, int metric);

// The desktop's message font, the font of dialogs and their controls, at a monitor's dots per
// inch.
LOGFONTW MessageFontAt(UINT dpi);

// The size window takes for a client area of the size client: its frame, caption and menu at
// its dots per inch around it.
SIZE WindowSizeForClient(HWND window, SIZE client);
