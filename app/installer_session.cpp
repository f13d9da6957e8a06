// app/installer_session.cpp
#include "app/installer_session.h"

#include "app/build_constants.h"
#include "discovery/host_finder.h"
#include "discovery/host_search.h"
#include "install/admin_rights.h"
#include "pages/wizard_pages.h"
#include "resources/install_contract.h"
#include "resources/install_layout.h"
#include "resources/resource.h"
#include "support/format_text.h"
#include "support/exception.h"
#include "support/resource_source.h"
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
        pages_.ShowMessagePage(kRefusalText, MessagePageForm::OkOnly);
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
            pages_.ShowMessagePage(ErrorPageText(errors).Bytes(), MessagePageForm::OkOnly);
            break;
        case RunState::Succeeded:
            pages_.ShowMessagePage(kThankYouText, MessagePageForm::OkOnly);
            break;
        default:
            break;
    }
}

void InstallerSession::SearchForHosts() {
    if (pages_.ShowMessagePage(kWelcomeText, MessagePageForm::ContinueOrCancel) != kPageOk) {
        runState = RunState::Stopped;
        return;
    }
    const Text license = ReadLicenseText();
    if (pages_.ShowLicensePage(license.Bytes()) != kPageOk) {
        runState = RunState::Stopped;
        return;
    }
    const ComponentChoice choice = pages_.ShowChoicePage(isAdministrator);
    if (choice.end != kPageOk) {
        runState = RunState::Stopped;
        return;
    }
    installShell = choice.installShell;
    searchHosts = choice.searchHosts;
    if (!searchHosts) {
        runState = RunState::ReadyToInstall;
        return;
    }
    if (pages_.ShowMessagePage(kSearchNoticeText, MessagePageForm::ContinueOrCancel) != kPageOk) {
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
        const bool searchDrives = pages_.AskYesNo(kSearchDrivesQuestion);
        // The searching page stays up behind the question: a quit confirmed there before the
        // question came ends the run whatever the answer.
        if (page->cancelRequested != 0) {
            runState = RunState::Stopped;
            return;
        }
        if (!searchDrives) {
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

void InstallerSession::SelectHosts() {
    hosts.push_back(HostRecord{"user selected plugin location",
                               "user selected plugin file location", DefaultPluginFolder(),
                               contract::kUserSelectedLocationKey, false});
    const PageEnd end = pages_.ShowHostSelectionPage(hosts, kSelectionPrompt);
    if (end == kPageOk) {
        runState = RunState::ReadyToInstall;
    } else if (end == kPageCancel) {
        runState = RunState::Stopped;
    }
}

void InstallerSession::HandleNoHostFound() {
    const Text caption("Unknown (edit with 'Options' button)");
    AddHost(hosts, "Unknown Host Application", DefaultPluginFolder(), contract::kOtherLocationKey,
            &caption);
    if (pages_.ShowMessagePage(kNoHostText, MessagePageForm::ContinueOrSkip) != kPageOk) {
        runState = RunState::ReadyToInstall;
        return;
    }
    runState = pages_.ShowPluginDirDialog(hosts.back()) == kPageOk ? RunState::ReadyToInstall
                                                                   : RunState::Stopped;
}

InstallPlan InstallerSession::Plan() const {
    InstallPlan plan;
    plan.installShell = installShell;
    for (const HostRecord& host : hosts) {
        if (host.install) {
            plan.hostPlugins.push_back({host.displayName, host.pluginDirectory, host.key});
        }
    }
    return plan;
}

Text InstallerSession::SummaryLines() const {
    return ::SummaryLines(Plan());
}

void InstallerSession::Install() {
    Text confirmation("The installer has all the info it needs to install ");
    confirmation.Append(kProductTitle);
    confirmation.Append(" for the following:\n\n");
    confirmation.Append(SummaryLines().View());
    confirmation.Append(
        "Click 'Continue' to copy the installation files now or 'Cancel' to stop the "
        "installation.");
    if (pages_.ShowMessagePage(confirmation.Bytes(), MessagePageForm::ContinueOrCancel) !=
        kPageOk) {
        runState = RunState::Stopped;
        return;
    }
    runState =
        CarryOutInstallPlan(Plan(), *this) ? RunState::Succeeded : RunState::ComponentsFailed;
}

void InstallerSession::FileNotWritten(const Text& path) {
    pages_.ShowMessageBox(
        FormatText("Error writing file '%s'.\nMake sure the host application "
                   "is not running and retry the installation.",
                   path.CStr()));
    errors.Append("\nError writing file ");
    errors.Append(path.View());
}
