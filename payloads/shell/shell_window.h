// payloads/shell/shell_window.h
#pragma once

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "payloads/plugin/presets.h"
#include "payloads/shell/bitmap_file.h"
#include "payloads/shell/message_font.h"

// The main window: plug-ins and presets on the left, Open / Apply / Save As below them, the
// picture and a status line on the right. All its state lives here; the window procedure finds
// the object through the window. It is laid out for the dots per inch of the monitor it is on,
// in the message font at that scale, and again when it moves to a monitor of another scale.
class ShellWindow {
public:
    // A picture to open at once (a double-clicked file), or empty.
    explicit ShellWindow(const std::string& picture);
    ShellWindow(const ShellWindow&) = delete;
    ShellWindow& operator=(const ShellWindow&) = delete;

    // Shows the window and serves it until it is closed; the process's exit code.
    int Run(int show);

private:
    LRESULT Serve(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    void Create();
    void OnCommand(int id);
    void Paint();
    // The file the user chose; empty when none was, with error set when its name cannot be used.
    std::string AskForFile(bool save, std::string& error) const;
    HWND Child(const char* type, const char* text, DWORD style, int id);
    // Pixels at 96 dots per inch as pixels at the window's.
    int Scale(int pixels) const;
    // The font and the sizes that depend on the text for a monitor's dots per inch.
    void UseDpi(UINT dpi);
    void Measure();
    // The tops of the left column's controls, the buttons at their highest: below the fewest
    // lines of presets.
    struct ColumnPlaces {
        int pluginLabel = 0;
        int pluginList = 0;
        int pluginListHeight = 0;
        int presetLabel = 0;
        int presetList = 0;
        int buttons = 0;
    };
    ColumnPlaces Column() const;
    void Layout();
    // No smaller than every control whole, with room beside them for the status line.
    void LimitSize(MINMAXINFO& limits) const;
    // The picture as the title bar names it, as other programs name their document.
    void ShowTitle();
    // A picture read whole replaces the one shown; the status line says which, or why not.
    void OpenPicture(const std::string& path);

    std::vector<Preset> presets_;
    Image image_;
    // The file the picture was read from or last saved to; empty before any.
    std::string picture_;
    HWND window_ = nullptr;
    std::string status_ = "Open a BMP picture to begin.";
    UINT dpi_ = 96;
    std::unique_ptr<MessageFont> font_;
    // Measured in the font: a line of text, the left column (as wide as the longest line of a
    // list), and a button (as wide as the longest caption).
    int textHeight_ = 0;
    int columnWidth_ = 0;
    int buttonWidth_ = 0;
    int buttonHeight_ = 0;
};
