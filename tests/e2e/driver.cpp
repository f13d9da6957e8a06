// tests/e2e/driver.cpp
#include "tests/e2e/driver.h"

#include <psapi.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <cwchar>
#include <thread>
#include <vector>

namespace e2e {

namespace {

using Clock = std::chrono::steady_clock;
constexpr auto kPoll = 15ms;

template <typename Condition>
bool PollUntil(Condition condition, std::chrono::milliseconds timeout) {
    const auto deadline = Clock::now() + timeout;
    for (;;) {
        if (condition()) {
            return true;
        }
        if (Clock::now() >= deadline) {
            return false;
        }
        std::this_thread::sleep_for(kPoll);
    }
}

struct WindowSearch {
    DWORD processId;
    const char* className;
    const char* caption;
    HWND found;
};

BOOL CALLBACK MatchWindow(HWND window, LPARAM parameter) {
    auto* search = reinterpret_cast<WindowSearch*>(parameter);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner != search->processId || !IsWindowVisible(window)) {
        return TRUE;
    }
    if (search->className != nullptr && ClassName(window) != search->className) {
        return TRUE;
    }
    if (search->caption != nullptr && WindowText(window) != search->caption) {
        return TRUE;
    }
    search->found = window;
    return FALSE;
}

POINT ControlCentre(HWND dialog, int id) {
    RECT rect{};
    GetWindowRect(GetDlgItem(dialog, id), &rect);
    return POINT{(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
}

}  // namespace

InstallerProcess::InstallerProcess(const std::string& exePath, const std::string& arguments) {
    std::string commandLine = "\"" + exePath + "\"";
    if (!arguments.empty()) {
        commandLine += " " + arguments;
    }
    std::vector<char> buffer(commandLine.begin(), commandLine.end());
    buffer.push_back('\0');
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    if (!CreateProcessA(nullptr, buffer.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &info_)) {
        info_ = PROCESS_INFORMATION{};
    }
}

InstallerProcess::~InstallerProcess() {
    if (info_.hProcess != nullptr) {
        if (Running()) {
            TerminateProcess(info_.hProcess, 99);
            WaitForSingleObject(info_.hProcess, 5000);
        }
        CloseHandle(info_.hThread);
        CloseHandle(info_.hProcess);
    }
}

bool InstallerProcess::WaitForExit(std::chrono::milliseconds timeout) {
    return info_.hProcess != nullptr &&
           WaitForSingleObject(info_.hProcess, static_cast<DWORD>(timeout.count())) ==
               WAIT_OBJECT_0;
}

bool InstallerProcess::Running() const {
    return info_.hProcess != nullptr && WaitForSingleObject(info_.hProcess, 0) == WAIT_TIMEOUT;
}

std::size_t InstallerProcess::PeakWorkingSetBytes() const {
    PROCESS_MEMORY_COUNTERS counters{};
    counters.cb = sizeof counters;
    if (info_.hProcess == nullptr ||
        !GetProcessMemoryInfo(info_.hProcess, &counters, sizeof counters)) {
        return 0;
    }
    return counters.PeakWorkingSetSize;
}

std::string VisibleWindowsOf(const InstallerProcess& process) {
    struct Listing {
        DWORD processId;
        std::string text;
    } listing{process.Id(), std::string()};
    EnumWindows(
        [](HWND window, LPARAM parameter) -> BOOL {
            auto* listing = reinterpret_cast<Listing*>(parameter);
            DWORD owner = 0;
            GetWindowThreadProcessId(window, &owner);
            if (owner == listing->processId && IsWindowVisible(window)) {
                // The first child with a text: a page's heading or a box's message.
                std::string first;
                for (HWND child = GetWindow(window, GW_CHILD); child != nullptr && first.empty();
                     child = GetWindow(child, GW_HWNDNEXT)) {
                    first = WindowText(child);
                }
                listing->text += "\n    " + ClassName(window) + " \"" + WindowText(window) +
                                 "\": \"" + first.substr(0, 120) + "\"";
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&listing));
    return listing.text.empty() ? std::string(" none") : listing.text;
}

namespace {

// Says what a window wait that timed out was waiting for, and what was there instead.
void ReportTimeout(const InstallerProcess& process, const std::string& awaited,
                   std::chrono::milliseconds timeout) {
    if (timeout.count() == 0) {
        return;  // a look, not a wait
    }
    std::printf("%s", ("waited " + std::to_string(timeout.count() / 1000) + " s for " + awaited +
                       "; the program showed:" + VisibleWindowsOf(process) + "\n")
                          .c_str());
    std::fflush(stdout);
}

std::string Named(const char* value) {
    return value != nullptr ? "\"" + std::string(value) + "\"" : std::string("any");
}

}  // namespace

HWND WaitForWindow(const InstallerProcess& process, const char* className, const char* caption,
                   std::chrono::milliseconds timeout) {
    WindowSearch search{process.Id(), className, caption, nullptr};
    if (!PollUntil(
            [&] {
                search.found = nullptr;
                EnumWindows(&MatchWindow, reinterpret_cast<LPARAM>(&search));
                return search.found != nullptr;
            },
            timeout)) {
        ReportTimeout(process,
                      "a window of class " + Named(className) + " and caption " + Named(caption),
                      timeout);
    }
    return search.found;
}

bool WaitUntilGone(HWND window, std::chrono::milliseconds timeout) {
    return PollUntil([&] { return !IsWindow(window) || !IsWindowVisible(window); }, timeout);
}

HWND WaitForPage(const InstallerProcess& process, int textId, const std::string& text,
                 std::chrono::milliseconds timeout) {
    HWND page = nullptr;
    if (!PollUntil(
            [&] {
                page = WaitForWindow(process, "#32770", "Tarvelle Installer", 0ms);
                return page != nullptr && ControlText(page, textId) == text;
            },
            timeout)) {
        ReportTimeout(process,
                      "a page whose control " + std::to_string(textId) + " reads \"" +
                          text.substr(0, 120) + "\"",
                      timeout);
        return nullptr;
    }
    return page;
}

HWND WaitForPageWithControl(const InstallerProcess& process, int id,
                            std::chrono::milliseconds timeout) {
    HWND page = nullptr;
    if (!PollUntil(
            [&] {
                page = WaitForWindow(process, "#32770", "Tarvelle Installer", 0ms);
                return page != nullptr && ControlExists(page, id);
            },
            timeout)) {
        ReportTimeout(process, "a page with control " + std::to_string(id), timeout);
        return nullptr;
    }
    return page;
}

bool WaitUntil(const std::function<bool()>& condition, std::chrono::milliseconds timeout) {
    return PollUntil(condition, timeout);
}

bool ButtonChecked(HWND dialog, int id) {
    return SendMessageA(GetDlgItem(dialog, id), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

std::string WindowText(HWND window) {
    const int length = GetWindowTextLengthA(window);
    std::string text(static_cast<std::size_t>(length) + 1, '\0');
    const int copied = GetWindowTextA(window, text.data(), length + 1);
    text.resize(static_cast<std::size_t>(copied > 0 ? copied : 0));
    return text;
}

std::string ClassName(HWND window) {
    char name[256] = {};
    const int length = GetClassNameA(window, name, sizeof name);
    return std::string(name, static_cast<std::size_t>(length > 0 ? length : 0));
}

std::string ControlText(HWND dialog, int id) {
    // GetWindowText does not ask a control of another process for its text; WM_GETTEXT does.
    HWND control = GetDlgItem(dialog, id);
    if (control == nullptr) {
        return std::string();
    }
    const LRESULT length = SendMessageA(control, WM_GETTEXTLENGTH, 0, 0);
    std::string text(static_cast<std::size_t>(length) + 1, '\0');
    const LRESULT copied = SendMessageA(control, WM_GETTEXT, static_cast<WPARAM>(text.size()),
                                        reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<std::size_t>(copied > 0 ? copied : 0));
    return text;
}

bool ControlExists(HWND dialog, int id) {
    return GetDlgItem(dialog, id) != nullptr;
}

bool ControlVisible(HWND dialog, int id) {
    HWND control = GetDlgItem(dialog, id);
    return control != nullptr && IsWindowVisible(control);
}

bool ControlEnabled(HWND dialog, int id) {
    HWND control = GetDlgItem(dialog, id);
    return control != nullptr && IsWindowEnabled(control);
}

LONG ControlStyle(HWND dialog, int id) {
    return GetWindowLongA(GetDlgItem(dialog, id), GWL_STYLE);
}

RECT ControlRectInDialogUnits(HWND dialog, int id, SIZE templateSize) {
    RECT screen{};
    GetWindowRect(GetDlgItem(dialog, id), &screen);
    POINT topLeft{screen.left, screen.top};
    POINT bottomRight{screen.right, screen.bottom};
    ScreenToClient(dialog, &topLeft);
    ScreenToClient(dialog, &bottomRight);
    // MapDialogRect does not work across processes; the client area is the template's size.
    RECT client{};
    GetClientRect(dialog, &client);
    auto units = [](LONG pixels, LONG clientPixels, LONG templateUnits) {
        return static_cast<LONG>(pixels * static_cast<double>(templateUnits) / clientPixels + 0.5);
    };
    return RECT{units(topLeft.x, client.right, templateSize.cx),
                units(topLeft.y, client.bottom, templateSize.cy),
                units(bottomRight.x - topLeft.x, client.right, templateSize.cx),
                units(bottomRight.y - topLeft.y, client.bottom, templateSize.cy)};
}

namespace {

// Moves the pointer to a screen point and waits until it is there.
void MovePointer(POINT screen) {
    // Absolute coordinates run from 0 to 65535 across the primary screen.
    const int width = GetSystemMetrics(SM_CXSCREEN);
    const int height = GetSystemMetrics(SM_CYSCREEN);
    INPUT move{};
    move.type = INPUT_MOUSE;
    move.mi.dx = static_cast<LONG>((screen.x * 65535LL + width / 2) / (width - 1));
    move.mi.dy = static_cast<LONG>((screen.y * 65535LL + height / 2) / (height - 1));
    move.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    SendInput(1, &move, sizeof(INPUT));
    PollUntil(
        [&] {
            POINT at{};
            return GetCursorPos(&at) && at.x == screen.x && at.y == screen.y;
        },
        1s);
}

void LeftButton(DWORD flag) {
    INPUT press{};
    press.type = INPUT_MOUSE;
    press.mi.dwFlags = flag;
    SendInput(1, &press, sizeof(INPUT));
}

}  // namespace

bool Click(HWND dialog, int id) {
    if (!ControlVisible(dialog, id) || !ControlEnabled(dialog, id)) {
        return false;
    }
    HWND control = GetDlgItem(dialog, id);
    const bool isButton = ClassName(control) == "Button";
    SetForegroundWindow(dialog);
    // A person sees the button go down before letting go; a press that the window did not take
    // (Wine sometimes drops the first one after the pointer jumped) is made again. On a busy
    // machine a press can be taken late: once the button is gone or disabled it was, and a
    // second press would land on whatever lies beneath it.
    for (int attempt = 0; attempt < 3; ++attempt) {
        if (attempt > 0 &&
            (!IsWindow(control) || !IsWindowVisible(control) || !IsWindowEnabled(control))) {
            return true;
        }
        MovePointer(ControlCentre(dialog, id));
        LeftButton(MOUSEEVENTF_LEFTDOWN);
        const bool pressed =
            !isButton ||
            PollUntil([&] { return (SendMessageA(control, BM_GETSTATE, 0, 0) & BST_PUSHED) != 0; },
                      5s);
        LeftButton(MOUSEEVENTF_LEFTUP);
        if (pressed) {
            return true;
        }
    }
    return false;
}

bool ClickUntil(HWND window, POINT clientPoint, const std::function<bool()>& condition) {
    POINT screen = clientPoint;
    ClientToScreen(window, &screen);
    SetForegroundWindow(GetAncestor(window, GA_ROOT));
    for (int attempt = 0; attempt < 3; ++attempt) {
        MovePointer(screen);
        LeftButton(MOUSEEVENTF_LEFTDOWN);
        LeftButton(MOUSEEVENTF_LEFTUP);
        if (PollUntil(condition, 1s)) {
            return true;
        }
    }
    return false;
}

std::vector<ListLine> ListLines(HWND dialog, int id) {
    HWND list = GetDlgItem(dialog, id);
    std::vector<ListLine> lines;
    const LRESULT count = SendMessageA(list, LB_GETCOUNT, 0, 0);
    for (LRESULT i = 0; i < count; ++i) {
        // Across processes Wine hands LB_GETTEXT back in UTF-16 even to an ANSI caller, so ask
        // for it wide, in a generous buffer, and convert.
        std::wstring wide(4096, L'\0');
        SendMessageW(list, LB_GETTEXT, static_cast<WPARAM>(i),
                     reinterpret_cast<LPARAM>(wide.data()));
        wide.resize(std::wcslen(wide.c_str()));
        std::string text(wide.size() * 2 + 1, '\0');
        const int bytes =
            WideCharToMultiByte(CP_ACP, 0, wide.c_str(), static_cast<int>(wide.size()), text.data(),
                                static_cast<int>(text.size()), nullptr, nullptr);
        text.resize(static_cast<std::size_t>(bytes > 0 ? bytes : 0));
        lines.push_back({text, SendMessageA(list, LB_GETITEMDATA, static_cast<WPARAM>(i), 0)});
    }
    return lines;
}

POINT ListLinePoint(HWND dialog, int id, int line, int x) {
    HWND list = GetDlgItem(dialog, id);
    const LRESULT height = SendMessageA(list, LB_GETITEMHEIGHT, 0, 0);
    const LRESULT top = SendMessageA(list, LB_GETTOPINDEX, 0, 0);
    RECT client{};
    GetClientRect(list, &client);
    POINT point{x >= 0 ? x : client.right / 2,
                static_cast<LONG>((line - top) * height + height / 2)};
    MapWindowPoints(list, dialog, &point, 1);
    return point;
}

bool PressKey(HWND window, WORD virtualKey) {
    SetForegroundWindow(window);
    INPUT keys[2] = {};
    keys[0].type = INPUT_KEYBOARD;
    keys[0].ki.wVk = virtualKey;
    keys[1].type = INPUT_KEYBOARD;
    keys[1].ki.wVk = virtualKey;
    keys[1].ki.dwFlags = KEYEVENTF_KEYUP;
    return SendInput(2, keys, sizeof(INPUT)) == 2;
}

bool PressChord(HWND window, WORD modifier, WORD virtualKey) {
    SetForegroundWindow(window);
    INPUT keys[4] = {};
    const WORD order[4] = {modifier, virtualKey, virtualKey, modifier};
    for (int i = 0; i < 4; ++i) {
        keys[i].type = INPUT_KEYBOARD;
        keys[i].ki.wVk = order[i];
        keys[i].ki.dwFlags = i >= 2 ? KEYEVENTF_KEYUP : 0;
    }
    return SendInput(4, keys, sizeof(INPUT)) == 4;
}

HWND FocusedControl(HWND window) {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    return GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info) ? info.hwndFocus
                                                                              : nullptr;
}

MessageBoxWindow WaitForMessageBox(const InstallerProcess& process, const char* caption,
                                   std::chrono::milliseconds timeout) {
    MessageBoxWindow box;
    box.window = WaitForWindow(process, "#32770", caption, timeout);
    if (box.window != nullptr) {
        box.caption = WindowText(box.window);
        // The message text is the box's static control with id 0xFFFF.
        box.text = ControlText(box.window, 0xFFFF);
    }
    return box;
}

namespace {

bool RunUnixProgram(const std::string& commandLine, DWORD timeoutMs) {
    std::vector<char> buffer(commandLine.begin(), commandLine.end());
    buffer.push_back('\0');
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info{};
    if (!CreateProcessA(nullptr, buffer.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &info)) {
        return false;
    }
    if (timeoutMs > 0) {
        WaitForSingleObject(info.hProcess, timeoutMs);
    }
    // For a Unix program Wine returns no process handle and leaves stray bytes in hThread:
    // closing that value could close any handle of this process (the registry's, for one).
    if (info.hProcess != nullptr) {
        CloseHandle(info.hThread);
        CloseHandle(info.hProcess);
    }
    return true;
}

}  // namespace

bool RunUnixShell(const std::string& command) {
    // Wine hands out no real process handle for a Unix program, so neither its end nor its
    // exit code can be waited for: the command leaves its status in a file instead.
    // Wine reuses process ids from run to run, and a command that outlived its wait writes its
    // marker late: the name holds the time too, so that no old marker answers for a new command.
    static int counter = 0;
    const std::string marker = "/tmp/tvl-e2e-" + std::to_string(GetCurrentProcessId()) + "-" +
                               std::to_string(GetTickCount64()) + "-" + std::to_string(counter++);
    std::string windowsMarker = "Z:" + marker;
    for (char& c : windowsMarker) {
        if (c == '/') {
            c = '\\';
        }
    }
    const std::string script =
        "(" + command + "); echo $? > " + marker + ".tmp && mv " + marker + ".tmp " + marker;
    std::string quoted;
    for (const char c : script) {
        if (c == '"' || c == '\\') {
            quoted += '\\';
        }
        quoted += c;
    }
    if (!RunUnixProgram("/bin/bash -c \"" + quoted + "\"", 0)) {
        return false;
    }
    if (!PollUntil(
            [&] { return GetFileAttributesA(windowsMarker.c_str()) != INVALID_FILE_ATTRIBUTES; },
            kSearchTimeout)) {
        std::printf("the shell command did not end within its limit: %s\n", command.c_str());
        return false;
    }
    char status[16] = {};
    HANDLE file = CreateFileA(windowsMarker.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                              OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    DWORD read = 0;
    if (file != INVALID_HANDLE_VALUE) {
        ReadFile(file, status, sizeof status - 1, &read, nullptr);
        CloseHandle(file);
    }
    DeleteFileA(windowsMarker.c_str());
    return status[0] == '0';
}

std::string UnixPathOnDriveC(const std::string& relative) {
    const char* prefix = std::getenv("WINEPREFIX");
    return std::string(prefix != nullptr ? prefix : "") + "/drive_c/" + relative;
}

bool RemoveFromDriveC(const std::string& relative) {
    // Gone before the next scenario starts: a tree deleted behind its back would slow it down.
    const std::string path = UnixPathOnDriveC(relative);
    return RunUnixShell("rm -rf \"" + path + "\"");
}

void SaveScreenshot(const std::string& name) {
    const char* folder = std::getenv("TVL_SCREENSHOT_DIR");
    if (folder == nullptr || name.empty()) {
        return;
    }
    RunUnixShell("/usr/bin/import -window root '" + std::string(folder) + "/" + name + ".png'");
}

}  // namespace e2e
