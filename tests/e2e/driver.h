// tests/e2e/driver.h
// Drives the real TarvelleSetup.exe from another process, as a person would: finds its windows
// by caption and class, reads controls by their resource ids, clicks with the mouse and types
// with the keyboard. Every wait has a timeout; none is a fixed sleep.
#pragma once

#include <windows.h>

#include <chrono>
#include <cstddef>
#include <functional>
#include <string>
#include <vector>

namespace e2e {

using namespace std::chrono_literals;
// How long a wait may take before it fails: limits that a machine busy with another build and
// test run beside this one stays within. A passing wait ends as soon as the program has done
// what was awaited, so only a failure takes this long.
// The next page or box the program shows, a process's end, a click's effect.
constexpr std::chrono::milliseconds kPageTimeout = 60s;
// A search of Program Files or of every fixed drive over the scenarios' trees, or a shell
// command that prepares or removes one.
constexpr std::chrono::milliseconds kSearchTimeout = 600s;

// The installer's process, started with a command line; killed if still running when the
// object goes.
class InstallerProcess {
public:
    explicit InstallerProcess(const std::string& exePath, const std::string& arguments = "");
    InstallerProcess(const InstallerProcess&) = delete;
    InstallerProcess& operator=(const InstallerProcess&) = delete;
    ~InstallerProcess();

    DWORD Id() const { return info_.dwProcessId; }
    bool Started() const { return info_.hProcess != nullptr; }
    // True when the process ended within the timeout.
    bool WaitForExit(std::chrono::milliseconds timeout = kPageTimeout);
    bool Running() const;
    // The most memory the process has held so far; 0 when it cannot be read.
    std::size_t PeakWorkingSetBytes() const;

private:
    PROCESS_INFORMATION info_{};
};

// A window wait that timed out says on the test's output what it waited for and which windows
// of the process were on screen instead, each with its class, caption and first text.
std::string VisibleWindowsOf(const InstallerProcess& process);

// A top-level window of the process with this class and caption, visible; null on timeout.
HWND WaitForWindow(const InstallerProcess& process, const char* className, const char* caption,
                   std::chrono::milliseconds timeout = kPageTimeout);
// Waits until window is gone (destroyed or hidden).
bool WaitUntilGone(HWND window, std::chrono::milliseconds timeout = kPageTimeout);
// Waits until a wizard page whose control id shows text appears.
HWND WaitForPage(const InstallerProcess& process, int textId, const std::string& text,
                 std::chrono::milliseconds timeout = kPageTimeout);

// Waits until a wizard page that has a control with this id is on screen.
HWND WaitForPageWithControl(const InstallerProcess& process, int id,
                            std::chrono::milliseconds timeout = kPageTimeout);
// Waits until condition() holds; false on timeout.
bool WaitUntil(const std::function<bool()>& condition,
               std::chrono::milliseconds timeout = kPageTimeout);
bool ButtonChecked(HWND dialog, int id);

std::string WindowText(HWND window);
std::string ClassName(HWND window);
std::string ControlText(HWND dialog, int id);
bool ControlExists(HWND dialog, int id);
bool ControlVisible(HWND dialog, int id);
bool ControlEnabled(HWND dialog, int id);
LONG ControlStyle(HWND dialog, int id);
// A control's place as x, y, width and height in dialog units, for a dialog whose template is
// templateSize units large.
constexpr SIZE kWizardPageSize{315, 198};
RECT ControlRectInDialogUnits(HWND dialog, int id, SIZE templateSize = kWizardPageSize);

// Moves the mouse to the middle of the control and clicks its left button.
bool Click(HWND dialog, int id);
// Clicks at a point of window's client area until condition() holds (a person who sees that
// nothing happened clicks again); false when it never did.
bool ClickUntil(HWND window, POINT clientPoint, const std::function<bool()>& condition);

// The lines of a list box of another process: their text and item data.
struct ListLine {
    std::string text;
    LRESULT data = 0;
};
std::vector<ListLine> ListLines(HWND dialog, int id);
// The client-area point at the middle of a list box line, x pixels from its left edge (or the
// middle when x is negative).
POINT ListLinePoint(HWND dialog, int id, int line, int x = -1);

// Brings the window to the front and presses and releases one key.
bool PressKey(HWND window, WORD virtualKey);
// A key pressed while a modifier (VK_MENU for a mnemonic) is held.
bool PressChord(HWND window, WORD modifier, WORD virtualKey);
// The control of window's thread that has the keyboard focus, or null.
HWND FocusedControl(HWND window);

// A system message box of the process: its text (the static control), and its buttons.
struct MessageBoxWindow {
    HWND window = nullptr;
    std::string caption;
    std::string text;
};
MessageBoxWindow WaitForMessageBox(const InstallerProcess& process, const char* caption,
                                   std::chrono::milliseconds timeout = kPageTimeout);

// Runs a Linux shell command (Wine starts Unix programs given by their Unix path) and waits
// for it; true when it exited with 0. For preparing large trees quickly.
bool RunUnixShell(const std::string& command);
// The Unix path of a folder of the prefix's C: drive ("Program Files" -> ".../drive_c/...").
std::string UnixPathOnDriveC(const std::string& relative);
// Removes a file or a whole folder of the prefix's C: drive, whatever its attributes.
bool RemoveFromDriveC(const std::string& relative);

// The whole screen as a PNG (ImageMagick's import), for a scenario that failed.
void SaveScreenshot(const std::string& name);

}  // namespace e2e
