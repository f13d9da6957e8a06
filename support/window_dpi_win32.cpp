// support/window_dpi_win32.cpp
#include "support/window_dpi_win32.h"

namespace {

// These calls came with Windows 10 (1607); the installer and the shell also run on Windows 7
// and 8.
template <typename Function>
Function User32Function(const char* name) {
    HMODULE user32 = GetModuleHandleA("user32.dll");
    return user32 != nullptr
               ? reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(user32, name)))
               : nullptr;
}

UINT SystemDpi() {
    HDC screen = GetDC(nullptr);
    const int dpi = screen != nullptr ? GetDeviceCaps(screen, LOGPIXELSY) : 96;
    if (screen != nullptr) {
        ReleaseDC(nullptr, screen);
    }
    return dpi > 0 ? static_cast<UINT>(dpi) : 96;
}

}  // namespace

UINT WindowDpi(HWND window) {
    using GetDpiForWindowFunction = UINT(WINAPI*)(HWND);
    static const auto getDpiForWindow = User32Function<GetDpiForWindowFunction>("GetDpiForWindow");
    const UINT dpi = getDpiForWindow != nullptr ? getDpiForWindow(window) : 0;
    return dpi != 0 ? dpi : SystemDpi();
}

int MetricForWindow(HWND window, int metric) {
    using GetSystemMetricsForDpiFunction = int(WINAPI*)(int, UINT);
    static const auto getSystemMetricsForDpi =
        User32Function<GetSystemMetricsForDpiFunction>("GetSystemMetricsForDpi");
    const UINT dpi = WindowDpi(window);
    if (getSystemMetricsForDpi != nullptr) {
        return getSystemMetricsForDpi(metric, dpi);
    }
    return MulDiv(GetSystemMetrics(metric), static_cast<int>(dpi), static_cast<int>(SystemDpi()));
}

SIZE WindowSizeForClient(HWND window, SIZE client) {
    using AdjustWindowRectExForDpiFunction = BOOL(WINAPI*)(RECT*, DWORD, BOOL, DWORD, UINT);
    static const auto adjustWindowRectExForDpi =
        User32Function<AdjustWindowRectExForDpiFunction>("AdjustWindowRectExForDpi");
    const DWORD style = static_cast<DWORD>(GetWindowLongA(window, GWL_STYLE));
    const DWORD extendedStyle = static_cast<DWORD>(GetWindowLongA(window, GWL_EXSTYLE));
    const BOOL menu = GetMenu(window) != nullptr ? TRUE : FALSE;
    RECT frame{0, 0, client.cx, client.cy};
    // Before Windows 10 a window has the system's dots per inch, which the plain call uses.
    if (adjustWindowRectExForDpi == nullptr ||
        !adjustWindowRectExForDpi(&frame, style, menu, extendedStyle, WindowDpi(window))) {
        AdjustWindowRectEx(&frame, style, menu, extendedStyle);
    }
    return SIZE{frame.right - frame.left, frame.bottom - frame.top};
}

LOGFONTW MessageFontAt(UINT dpi) {
    using SystemParametersInfoForDpiFunction = BOOL(WINAPI*)(UINT, UINT, PVOID, UINT, UINT);
    static const auto systemParametersInfoForDpi =
        User32Function<SystemParametersInfoForDpiFunction>("SystemParametersInfoForDpi");
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof metrics;
    if (systemParametersInfoForDpi != nullptr &&
        systemParametersInfoForDpi(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0, dpi)) {
        return metrics.lfMessageFont;
    }
    // Before that the metrics are the system's, at its dots per inch.
    if (SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0)) {
        LOGFONTW font = metrics.lfMessageFont;
        font.lfHeight = MulDiv(font.lfHeight, static_cast<int>(dpi), static_cast<int>(SystemDpi()));
        return font;
    }
    // Nine points, in the face the font mapper picks for a dialog.
    LOGFONTW font{};
    font.lfHeight = -MulDiv(9, static_cast<int>(dpi), 72);
    font.lfCharSet = DEFAULT_CHARSET;
    return font;
}
