// app/installer_session.cpp
#include "app/installer_session.h"

#include "app/build_constants.h"
#include "app/install_locations.h"
#include "pages/wizard_pages.h"

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
    // The licence, the choices and the search follow the welcome page here.
    runState = RunState::Stopped;
}
