// tests/unit/scripted_pages.h
#pragma once

#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "discovery/directory_walker.h"
#include "pages/wizard_pages.h"
#include "support/exception.h"

// The answers a script gives a message box, numbered as the window system numbers them, and the
// box kinds it records.
enum BoxAnswer : int {
    kAnswerOk = 1,
    kAnswerYes = 6,
    kAnswerNo = 7,
};
constexpr unsigned kBoxOk = 0x0;
constexpr unsigned kBoxYesNo = 0x4;

// What a run showed, in order.
struct ShownPage {
    std::string kind;  // "message", "box", "license", "choice", "searching"
    std::string text;
    bool singleButton = false;
    std::string cancelCaption;  // empty when unchanged
    unsigned buttons = 0;
    bool searchAllowed = false;
};

// The searching page without a window: records every line and walked root, walks a drive root
// in the folder the test mapped it to, and plays the user's confirmed Cancel after a number of
// lines.
class ScriptedSearchingPage : public SearchProgress {
public:
    std::map<std::string, std::string>* rootFolders = nullptr;
    std::vector<std::string>* walkedRoots = nullptr;
    std::vector<std::string>* lines = nullptr;
    long cancelAfterLines = -1;
    bool* closed = nullptr;

    ~ScriptedSearchingPage() override {
        if (closed != nullptr) {
            *closed = true;
        }
    }

    void WriteLine(const char* line) override {
        lines->push_back(line);
        if (cancelAfterLines >= 0 && static_cast<long>(lines->size()) >= cancelAfterLines) {
            cancelRequested = 1;
        }
    }

    bool RunWalk(DirectoryWalker& walker, const Text& root, std::uint32_t depth) override {
        walkedRoots->push_back(root.Bytes());
        const auto mapped = rootFolders->find(root.Bytes());
        return SearchProgress::RunWalk(
            walker, mapped != rootFolders->end() ? Text(mapped->second) : root, depth);
    }
};

// Answers each page and box with the next scripted end code, and records what was shown.
class ScriptedPages : public WizardPages {
public:
    // Scripted answers that raise instead of answering.
    static constexpr int kRaiseStreamException = -100;
    static constexpr int kRaiseOtherException = -101;

    bool controlHeld = false;
    std::deque<int> answers;
    std::vector<ShownPage> shown;
    // The choice page's boxes as the scripted user leaves them.
    bool tickShell = true;
    bool tickSearch = true;
    // The searching page.
    std::map<std::string, std::string> rootFolders;
    std::vector<std::string> walkedRoots;
    std::vector<std::string> lines;
    long cancelAfterLines = -1;
    bool searchingPageClosed = false;
    // The user confirms a quit on the searching page while a question is up in front of it.
    bool quitWhileAsked = false;
    // The selection page: what the user does while it is open (Options included), and the
    // check boxes he leaves (empty: as the page opened them).
    std::function<void(HostList&)> whileSelecting;
    std::vector<bool> ticks;
    // The directory dialog: what the user confirms with OK.
    std::string confirmedDirectory;

    bool ControlKeyHeld() override { return controlHeld; }

    PageEnd ShowMessagePage(const std::string& text, MessagePageForm form) override {
        shown.push_back({"message", text, form == MessagePageForm::OkOnly,
                         form == MessagePageForm::ContinueOrSkip ? "Skip" : "", 0, false});
        return NextEnd();
    }

    void ShowMessageBox(const std::string& text) override {
        shown.push_back({"box", text, false, "", kBoxOk, false});
        NextAnswer();
    }

    bool AskYesNo(const std::string& question) override {
        shown.push_back({"box", question, false, "", kBoxYesNo, false});
        if (quitWhileAsked && searchingPage_ != nullptr && !searchingPageClosed) {
            searchingPage_->cancelRequested = 1;
        }
        return NextAnswer() == kAnswerYes;
    }

    PageEnd ShowLicensePage(const std::string& licenseText) override {
        shown.push_back({"license", licenseText, false, "", 0, false});
        return NextEnd();
    }

    ComponentChoice ShowChoicePage(bool searchAllowed) override {
        shown.push_back({"choice", "", false, "", 0, searchAllowed});
        ComponentChoice choice;
        choice.end = NextEnd();
        if (choice.end == kPageOk) {
            choice.installShell = tickShell;
            choice.searchHosts = tickSearch && searchAllowed;
        }
        return choice;
    }

    std::unique_ptr<SearchProgress> OpenSearchingPage() override {
        shown.push_back({"searching", "", false, "", 0, false});
        auto page = std::make_unique<ScriptedSearchingPage>();
        page->rootFolders = &rootFolders;
        page->walkedRoots = &walkedRoots;
        page->lines = &lines;
        page->cancelAfterLines = cancelAfterLines;
        page->closed = &searchingPageClosed;
        searchingPage_ = page.get();
        searchingPageClosed = false;
        return page;
    }

    PageEnd ShowHostSelectionPage(HostList& hosts, const std::string& prompt) override {
        std::string captions;
        for (const HostRecord& host : hosts) {
            captions += host.listCaption.Bytes() + (host.install ? " [x]\n" : " [ ]\n");
        }
        shown.push_back({"selection", prompt + "\n" + captions, false, "", 0, false});
        if (whileSelecting) {
            whileSelecting(hosts);
        }
        const PageEnd answer = NextEnd();
        if (answer == kPageOk && !ticks.empty()) {
            for (std::size_t i = 0; i < hosts.size() && i < ticks.size(); ++i) {
                hosts[i].install = ticks[i];
            }
        }
        return answer;
    }

    PageEnd ShowPluginDirDialog(HostRecord& host) override {
        shown.push_back({"directory", host.displayName.Bytes() + "|" + host.pluginDirectory.Bytes(),
                         false, "", 0, false});
        const PageEnd answer = NextEnd();
        if (answer == kPageOk) {
            host.pluginDirectory = Text(confirmedDirectory);
        }
        return answer;
    }

    std::vector<std::string> Kinds() const {
        std::vector<std::string> kinds;
        for (const ShownPage& page : shown) {
            kinds.push_back(page.kind);
        }
        return kinds;
    }

private:
    PageEnd NextEnd() { return static_cast<PageEnd>(NextAnswer()); }

    ScriptedSearchingPage* searchingPage_ = nullptr;

    int NextAnswer() {
        if (answers.empty()) {
            ADD_FAILURE() << "the run showed more than the script answers: " << shown.back().kind
                          << " " << shown.back().text;
            return kPageCancel;
        }
        const int answer = answers.front();
        answers.pop_front();
        if (answer == kRaiseStreamException) {
            throw Exception(ExceptionCode::Stream);
        }
        if (answer == kRaiseOtherException) {
            throw std::runtime_error("not one of ours");
        }
        return answer;
    }
};
