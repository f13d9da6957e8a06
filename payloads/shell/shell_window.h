// payloads/shell/shell_window.h
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "payloads/plugin/presets.h"
#include "payloads/shell/bitmap_file.h"

// The main window: plug-ins and presets on the left, Open / Apply / Save As below them, the
// picture and a status line on the right. All its state lives here; the window procedure finds
// the object through the window.
class ShellWindow {
public:
    // A picture to open at once (a double-clicked file), or empty.
    explicit ShellWindow(const std::string& picture);
    ShellWindow(const ShellWindow&) = delete;
    ShellWindow& operator=(const ShellWindow&) = delete;

    // Shows the window and serves it until it is closed; the process's exit code.
    int Run(int show);

private:
    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    void Create();
    void OnCommand(int id);
    void Paint();
    std::string AskForFile(bool save) const;
    HWND Child(const char* type, const char* text, DWORD style, int x, int y, int width, int height,
               int id);

    std::vector<Preset> presets_;
    Image image_;
    HWND window_ = nullptr;
    std::string status_ = "Open a BMP picture to begin.";
};
