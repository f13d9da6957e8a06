// tests/unit/installer_session_test.cpp
#include "app/installer_session.h"

#include <gtest/gtest.h>

#include "app/installer_app.h"
#include "tests/unit/scripted_pages.h"

namespace {

const char kRefusal[] =
    "This installer needs to run with administrator privileges, please log in as Administrator "
    "or a user with administrator rights and run the installer again.";
const char kWelcome[] =
    "Welcome to the Tarvelle Installer.\n\nThis program will install Tarvelle Pigmora Demo on "
    "your computer. Click 'Continue' to proceed with the Installation.";
const char kErrorPage[] =
    "An error occurred during installation of one or more components.\n\nPlease contact "
    "technical support at https://www.tarvelle.example/support or email "
    "support@tarvelle.example for more information.";

class RunTest : public ::testing::Test {
protected:
    ScriptedPages pages;
};

TEST_F(RunTest, UserWithoutRightsSeesOnlyTheRefusalPage) {
    for (const int answer : {kPageOk, kPageCancel}) {
        ScriptedPages refused;
        refused.answers = {answer};
        InstallerSession session(refused);
        session.isAdministrator = false;
        session.Run();
        ASSERT_EQ(refused.shown.size(), 1u);
        EXPECT_EQ(refused.shown[0].kind, "message");
        EXPECT_EQ(refused.shown[0].text, kRefusal);
        EXPECT_TRUE(refused.shown[0].singleButton);
        EXPECT_EQ(refused.shown[0].cancelCaption, "");
        EXPECT_EQ(session.runState, RunState::Stopped);
    }
}

TEST_F(RunTest, ControlKeyLetsAUserWithoutRightsIn) {
    pages.controlHeld = true;
    pages.answers = {kPageCancel};
    InstallerSession session(pages);
    session.isAdministrator = false;
    session.Run();
    ASSERT_EQ(pages.shown.size(), 1u);
    EXPECT_EQ(pages.shown[0].text, kWelcome);
    EXPECT_FALSE(pages.shown[0].singleButton);
    EXPECT_EQ(session.runState, RunState::Stopped);
}

TEST_F(RunTest, AdministratorIsNotAffectedByTheControlKey) {
    for (const bool held : {false, true}) {
        ScriptedPages admin;
        admin.controlHeld = held;
        admin.answers = {kPageCancel};
        InstallerSession session(admin);
        session.isAdministrator = true;
        session.Run();
        ASSERT_EQ(admin.shown.size(), 1u);
        EXPECT_EQ(admin.shown[0].text, kWelcome);
    }
}

TEST_F(RunTest, CancelOnTheWelcomePageEndsSilently) {
    pages.answers = {kPageCancel};
    InstallerSession session(pages);
    session.isAdministrator = true;
    session.Run();
    EXPECT_EQ(session.runState, RunState::Stopped);
    EXPECT_EQ(pages.shown.size(), 1u);
    EXPECT_TRUE(pages.answers.empty());
}

TEST_F(RunTest, SessionStartsAtTheBeginningWithNothingChosen) {
    InstallerSession session(pages);
    EXPECT_EQ(session.runState, RunState::Begin);
    EXPECT_FALSE(session.installShell);
    EXPECT_FALSE(session.searchHosts);
    EXPECT_TRUE(session.errors.IsEmpty());
    EXPECT_TRUE(pages.shown.empty());
}

TEST_F(RunTest, SucceededShowsTheThankYouPage) {
    pages.answers = {kPageCancel};
    InstallerSession session(pages);
    session.runState = RunState::Succeeded;
    session.ShowClosingPage();
    ASSERT_EQ(pages.shown.size(), 1u);
    EXPECT_EQ(pages.shown[0].text,
              "Thank you for installing Tarvelle.\n\nIf your host image application is running "
              "You may need to restart it in order for the installed plugins to function "
              "correctly.");
    EXPECT_TRUE(pages.shown[0].singleButton);
}

TEST_F(RunTest, ComponentsFailedShowsTheErrorPageWithTheCollectedLines) {
    pages.answers = {kPageOk};
    InstallerSession session(pages);
    session.runState = RunState::ComponentsFailed;
    session.errors = Text("\nError writing file 'C:\\a\\%s.8bf'.");
    session.ShowClosingPage();
    ASSERT_EQ(pages.shown.size(), 1u);
    EXPECT_EQ(pages.shown[0].text,
              std::string(kErrorPage) + "\n\nerrors:\n\nError writing file 'C:\\a\\%s.8bf'.");
    EXPECT_TRUE(pages.shown[0].singleButton);
}

TEST_F(RunTest, ComponentsFailedWithoutLinesHasNoErrorsSection) {
    pages.answers = {kPageOk};
    InstallerSession session(pages);
    session.runState = RunState::ComponentsFailed;
    session.ShowClosingPage();
    ASSERT_EQ(pages.shown.size(), 1u);
    EXPECT_EQ(pages.shown[0].text, kErrorPage);
}

TEST_F(RunTest, OtherFinalStatesShowNothing) {
    for (const RunState state : {RunState::Stopped, RunState::Begin, RunState::ReadyToInstall}) {
        InstallerSession session(pages);
        session.runState = state;
        session.ShowClosingPage();
    }
    EXPECT_TRUE(pages.shown.empty());
}

TEST(InstallerAppTest, ExceptionEscapingTheRunReachesTheHandlersBox) {
    for (const int raise :
         {ScriptedPages::kRaiseStreamException, ScriptedPages::kRaiseOtherException}) {
        ScriptedPages pages;
        pages.controlHeld = true;
        pages.answers = {raise, kAnswerOk};
        InstallerApp app(pages);
        EXPECT_FALSE(app.InitInstance());
        ASSERT_EQ(pages.shown.size(), 2u);
        EXPECT_EQ(pages.shown[1].kind, "box");
        EXPECT_EQ(pages.shown[1].text,
                  "unknown exception during installation \n- please contact us at "
                  "https://www.tarvelle.example/support for assistance");
        EXPECT_EQ(pages.shown[1].buttons, kBoxOk);
    }
}

TEST(InstallerAppTest, OrdinaryRunEndsWithoutTheBox) {
    ScriptedPages pages;
    pages.controlHeld = true;
    pages.answers = {kPageCancel};
    InstallerApp app(pages);
    EXPECT_FALSE(app.InitInstance());
    ASSERT_EQ(pages.shown.size(), 1u);
    EXPECT_EQ(pages.shown[0].kind, "message");
}

}  // namespace
