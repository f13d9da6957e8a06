// app/installer_session.cpp
#include "app/installer_session.h"

#include "app/build_constants.h"
#include "app/install_locations.h"
#include "discovery/drive_table.h"
#include "discovery/host_finder.h"
#include "install/resource_source.h"
#include "pages/wizard_pages.h"
#include "resources/resource.h"
#include "support/exception.h"
#include "support/special_folder.h"
#include "support/text_buffer.h"

const char kRefusalText[] =
    "This installer needs to run with administrator privileges, please log in as Administrator "
    "or a user with administrator rights and run the installer again.";

const char kProductTitle[] = "Tarvelle Pigmora Demo";

const char kWelcomeText[] =
    "Welcome to the Tarvelle Installer.\n\nThis program will install Tarvelle Pigmora Demo on "
    "your computer. Click 'Continue' to proceed with the Installation.";

const char kThankYouText[] =
    "Thank you for installing Tarvelle.\n\nIf your host image application is running You may "
    "need to restart it in order for the installed plugins to function correctly.";

const char kSearchNoticeText[] =
    "The installer will now search local hard drives for known host applications, this may take "
    "several minutes. Click 'Continue' to proceed.";

const char kSearchDrivesQuestion[] =
    "no host applications were found in 'Program Files' directories, search hard drives?";

const char kSelectionPrompt[] =
    "Select the host image editing packages to install Tarvelle Pigmora Demo for:";

const char kNoHostText[] =
    "The installer has failed to find a host application that supports Tarvelle Pigmora Demo."
    "\n\nIf you would like to continue with the installation, click 'Continue' to manually "
    "select a directory to install the files to.\n\nTo find more info on standard plugin "
    "directories for your host application, please consult the host application's product "
    "documentation.";

namespace {

constexpr std::uint32_t kSearchDepth = 4;

// The Program Files folder and, on 64-bit Windows, the 32-bit one beside it, where the image
// editors of that generation live.
std::vector<Text> ProgramFilesRoots() {
    std::vector<Text> roots{ProgramFilesFolder()};
    Text x86;
    if (SpecialFolder(kFolderProgramFilesX86, x86)) {
        Text a = x86;
        Text b = roots.front();
        if (a.MakeLower() != b.MakeLower()) {
            roots.push_back(x86);
        }
    }
    return roots;
}

std::vector<Text> FixedDriveRoots() {
    std::vector<Text> roots;
    for (const std::string& root : ListDriveRoots(DriveKind::Fixed)) {
        roots.emplace_back(root);
    }
    return roots;
}

Text ReadLicenseText() {
    ResourceSource payload;
    if (!payload.Load(IDR_PAYLOAD_LICENSE)) {
        throw Exception(ExceptionCode::Resource);
    }
    TextBuffer text;
    text.ReadAll(payload);
    return Text(text.View());
}

}  // namespace

Text ErrorPageText(const Text& errors) {
    Text text = Text(
                    "An error occurred during installation of one or more components.\n\n"
                    "Please contact technical support at ") +
                kSupportWebAddress + " or email " + kSupportEmail + " for more information.";
    if (!errors.IsEmpty()) {
        text.Append("\n\nerrors:\n");
        text.Append(errors.View());
    }
    return text;
}

InstallerSession::InstallerSession(WizardPages& pages)
    : isAdministrator(HasAdminRights()), pages_(pages) {}

InstallerSession::~InstallerSession() = default;

void InstallerSession::Run() {
    const bool controlHeld = pages_.ControlKeyHeld();
    if (!isAdministrator && !controlHeld) {
        pages_.ShowMessagePage(kRefusalText, true, nullptr);
        runState = RunState::Stopped;
        return;
    }
    for (;;) {
        if (runState == RunState::Begin) {
            SearchForHosts();
        } else if (runState == RunState::HostsFound) {
            SelectHosts();
        } else if (runState == RunState::NoHostsFound) {
            HandleNoHostFound();
        } else if (runState == RunState::ReadyToInstall) {
            Install();
        } else {
            break;
        }
    }
    ShowClosingPage();
}

void InstallerSession::ShowClosingPage() {
    switch (runState) {
        case RunState::ComponentsFailed:
            pages_.ShowMessagePage(ErrorPageText(errors).Bytes(), true, nullptr);
            break;
        case RunState::Succeeded:
            pages_.ShowMessagePage(kThankYouText, true, nullptr);
            break;
        default:
            break;
    }
}

void InstallerSession::SearchForHosts() {
    if (pages_.ShowMessagePage(kWelcomeText, false, nullptr) != kPageOk) {
        runState = RunState::Stopped;
        return;
    }
    const Text license = ReadLicenseText();
    if (pages_.ShowLicensePage(license.Bytes()) != kPageOk) {
        runState = RunState::Stopped;
        return;
    }
    bool shell = false;
    bool search = false;
    if (pages_.ShowChoicePage(isAdministrator, shell, search) != kPageOk) {
        runState = RunState::Stopped;
        return;
    }
    installShell = shell;
    searchHosts = search;
    if (!searchHosts) {
        runState = RunState::ReadyToInstall;
        return;
    }
    if (pages_.ShowMessagePage(kSearchNoticeText, false, nullptr) != kPageOk) {
        runState = RunState::Stopped;
        return;
    }
    HostFinder finder(hosts);
    const std::unique_ptr<SearchProgress> page = pages_.OpenSearchingPage();
    if (!SearchRoots(*page, finder, ProgramFilesRoots())) {
        runState = RunState::Stopped;
        return;
    }
    if (hosts.empty()) {
        if (pages_.ShowMessageBox(kSearchDrivesQuestion, kBoxYesNo) != kAnswerYes) {
            runState = RunState::ReadyToInstall;
            return;
        }
        if (!SearchRoots(*page, finder, FixedDriveRoots())) {
            runState = RunState::Stopped;
            return;
        }
    }
    runState = hosts.empty() ? RunState::NoHostsFound : RunState::HostsFound;
}

bool InstallerSession::SearchRoots(SearchProgress& page, HostFinder& finder,
                                   const std::vector<Text>& roots) {
    for (const Text& root : roots) {
        if (!page.RunWalk(finder, root, kSearchDepth)) {
            return false;
        }
    }
    return true;
}

void InstallerSession::SelectHosts() {
    hosts.push_back(HostRecord{"user selected plugin location",
                               "user selected plugin file location", DefaultPluginFolder(),
                               "user_selected", false});
    const int end = pages_.ShowHostSelectionPage(hosts, kSelectionPrompt);
    if (end == kPageOk) {
        runState = RunState::ReadyToInstall;
    } else if (end == kPageCancel) {
        runState = RunState::Stopped;
    }
}

void InstallerSession::HandleNoHostFound() {
    const Text caption("Unknown (edit with 'Options' button)");
    AddHost(hosts, "Unknown Host Application", DefaultPluginFolder(), "other", &caption);
    if (pages_.ShowMessagePage(kNoHostText, false, "Skip") != kPageOk) {
        runState = RunState::ReadyToInstall;
        return;
    }
    runState = pages_.ShowPluginDirDialog(hosts.back()) == kPageOk ? RunState::ReadyToInstall
                                                                   : RunState::Stopped;
}
