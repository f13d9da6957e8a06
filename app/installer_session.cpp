// app/installer_session.cpp
#include "app/installer_session.h"

#include "discovery/host_finder.h"
#include "discovery/host_search.h"
#include "install/admin_rights.h"
#include "pages/wizard_pages.h"
#include "resources/install_contract.h"
#include "resources/install_layout.h"
#include "resources/page_texts.h"
#include "resources/resource.h"
#include "support/exception.h"
#include "support/format_text.h"
#include "support/resource_source.h"
#include "support/text_buffer.h"

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
    Text text(FormatText(kErrorPageFormat, kSupportWebAddress, kSupportEmail));
    if (!errors.IsEmpty()) {
        text.Append(kErrorListHeading);
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
    if (pages_.ShowMessagePage(kWelcomeText, MessagePageForm::ContinueOrCancel) != kPageOk ||
        pages_.ShowLicensePage(ReadLicenseText().Bytes()) != kPageOk) {
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
        if (page->cancelRequested != 0 ||
            (searchDrives && !SearchRoots(*page, finder, FixedDriveRoots()))) {
            runState = RunState::Stopped;
            return;
        }
        if (!searchDrives) {
            runState = RunState::ReadyToInstall;
            return;
        }
    }
    runState = hosts.empty() ? RunState::NoHostsFound : RunState::HostsFound;
}

void InstallerSession::SelectHosts() {
    hosts.push_back(HostRecord{kUserSelectedName, kUserSelectedCaption, DefaultPluginFolder(),
                               contract::kUserSelectedLocationKey, false});
    const PageEnd end = pages_.ShowHostSelectionPage(hosts, kSelectionPrompt);
    if (end == kPageOk) {
        runState = RunState::ReadyToInstall;
    } else if (end == kPageCancel) {
        runState = RunState::Stopped;
    }
}

void InstallerSession::HandleNoHostFound() {
    const Text caption(kUnknownHostCaption);
    AddHost(hosts, kUnknownHostName, DefaultPluginFolder(), contract::kOtherLocationKey, &caption);
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
    const std::string confirmation =
        FormatText(kConfirmationFormat, kProductTitle, SummaryLines().CStr());
    if (pages_.ShowMessagePage(confirmation, MessagePageForm::ContinueOrCancel) != kPageOk) {
        runState = RunState::Stopped;
        return;
    }
    runState =
        CarryOutInstallPlan(Plan(), *this) ? RunState::Succeeded : RunState::ComponentsFailed;
}

void InstallerSession::FileNotWritten(const Text& path) {
    pages_.ShowMessageBox(FormatText(kFileNotWrittenFormat, path.CStr()));
    errors.Append(kFileNotWrittenLine);
    errors.Append(path.View());
}
