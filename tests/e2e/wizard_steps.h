// tests/e2e/wizard_steps.h
// The steps a person takes through the opening pages, shared by the scenarios.
#pragma once

#include <string>

#include "resources/resource.h"
#include "tests/e2e/scenario.h"

namespace e2e {

inline const char kLicenseIntro[] =
    "Please read the following License Agreement and select 'I Agree' to continue "
    "installation:";
inline const char kNotice[] =
    "The installer will now search local hard drives for known host applications, this may "
    "take several minutes. Click 'Continue' to proceed.";
inline const char kQuestion[] =
    "no host applications were found in 'Program Files' directories, search hard drives?";
inline const char kWelcomeStart[] = "Welcome to the Tarvelle Installer.";
inline const char kSummaryStart[] =
    "The installer has all the info it needs to install Tarvelle Pigmora Demo for the "
    "following:\n\n";

// A text of this program's code page in UTF-16.
inline std::wstring Wide(const std::string& text) {
    std::wstring wide(text.size(), L'\0');
    wide.resize(static_cast<std::size_t>(
        MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), wide.data(),
                            static_cast<int>(wide.size()))));
    return wide;
}

inline std::size_t CountOf(const std::string& text, const std::string& part) {
    std::size_t count = 0;
    for (std::size_t at = text.find(part); at != std::string::npos;
         at = text.find(part, at + part.size())) {
        ++count;
    }
    return count;
}

// A folder of the scenario's own below C:\Program Files, removed again afterwards.
class ProgramFilesTree {
public:
    explicit ProgramFilesTree(const std::string& name) : name_(name) { Remove(); }
    ~ProgramFilesTree() { Remove(); }
    bool Make(const std::string& relativeDirs) const {
        return RunUnixShell("cd \"" + UnixPathOnDriveC("Program Files") + "\" && mkdir -p " +
                            name_ + "/" + relativeDirs);
    }

private:
    void Remove() const { RemoveFromDriveC("Program Files/" + name_); }
    std::string name_;
};

class WizardScenario : public InstallerScenario {
protected:
    // Continue on the welcome page; the licence page that follows.
    HWND PassWelcome() {
        HWND welcome = WaitForPageWithControl(*installer, IDC_PAGE_TEXT);
        if (welcome == nullptr ||
            ControlText(welcome, IDC_PAGE_TEXT).rfind(kWelcomeStart, 0) != 0 ||
            !Click(welcome, IDOK)) {
            return nullptr;
        }
        return WaitForPage(*installer, IDC_PAGE_TEXT, kLicenseIntro);
    }

    // From the start to Continue on the search notice, agreeing and keeping both choices.
    bool StartSearch() {
        HWND license = PassWelcome();
        if (license == nullptr || !Click(license, IDC_AGREE) ||
            !WaitUntil([&] { return ControlEnabled(license, IDOK); }) || !Click(license, IDOK)) {
            return false;
        }
        HWND choice = WaitForPageWithControl(*installer, IDC_SEARCH_HOSTS);
        if (choice == nullptr || !Click(choice, IDOK)) {
            return false;
        }
        HWND notice = WaitForPage(*installer, IDC_PAGE_TEXT, kNotice);
        return notice != nullptr && Click(notice, IDOK);
    }

    // Selects a line of the host list by clicking its caption.
    bool SelectLine(HWND page, int line) {
        HWND list = GetDlgItem(page, IDC_HOST_LIST);
        return ClickUntil(page, ListLinePoint(page, IDC_HOST_LIST, line),
                          [&] { return SendMessageA(list, LB_GETCURSEL, 0, 0) == line; });
    }
    // The page enables Options when it handles the list's selection notice, which comes a moment
    // after the list itself shows the new selection.
    HWND OpenOptions(HWND page) {
        return WaitUntil([&] { return ControlEnabled(page, IDC_HOST_OPTIONS); }) &&
                       Click(page, IDC_HOST_OPTIONS)
                   ? WaitForWindow(*installer, "#32770", "Select Plugin Directory")
                   : nullptr;
    }
    // Types a directory for one line of the host list as a person would in its Options dialog.
    bool TypeDirectory(HWND page, int line, const std::wstring& directory) {
        HWND dialog = SelectLine(page, line) ? OpenOptions(page) : nullptr;
        if (dialog == nullptr) {
            return false;
        }
        SendMessageW(GetDlgItem(dialog, IDC_PLUGIN_DIRECTORY), WM_SETTEXT, 0,
                     reinterpret_cast<LPARAM>(directory.c_str()));
        return Click(dialog, IDOK) && WaitUntilGone(dialog);
    }
    bool TypeDirectory(HWND page, int line, const std::string& directory) {
        return TypeDirectory(page, line, Wide(directory));
    }

    // A message page whose text begins with start.
    HWND WaitForPageWithText(const std::string& start,
                             std::chrono::milliseconds timeout = kPageTimeout) {
        HWND page = nullptr;
        WaitUntil(
            [&] {
                page = WaitForPageWithControl(*installer, IDC_PAGE_TEXT, 0ms);
                return page != nullptr && ControlText(page, IDC_PAGE_TEXT).rfind(start, 0) == 0;
            },
            timeout);
        return page != nullptr && ControlText(page, IDC_PAGE_TEXT).rfind(start, 0) == 0 ? page
                                                                                        : nullptr;
    }

    // Waits for the process to end; false if a message box of it showed up first.
    bool EndsWithoutAQuestion() {
        bool asked = false;
        WaitUntil(
            [&] {
                asked = WaitForWindow(*installer, "#32770", "TarvelleSetup", 0ms) != nullptr;
                return asked || !installer->Running();
            },
            kPageTimeout);
        return !asked && installer->WaitForExit(0ms);
    }
};

}  // namespace e2e
