// pages/searching_page.h
#pragma once

#include <cstdint>

#include "discovery/search_progress.h"
#include "pages/status_line.h"
#include "pages/wizard_page.h"

// Template 179, modeless: on screen while the search runs on the same thread. Each progress
// line goes into the status text, and every ninth line lets one pending message of the page
// through, which is how its Cancel button is heard during a walk.
class SearchingPage : public WizardPage, public SearchProgress {
public:
    SearchingPage();
    ~SearchingPage() override;

    bool RunWalk(DirectoryWalker& walker, const Text& root, std::uint32_t depth) override;
    void WriteLine(const char* line) override;

protected:
    void OnCancel() override;

private:
    void ShowStatus();

    // While a walk runs, the status line takes every line but shows one only now and then.
    StatusLine status_;
    std::uint64_t lastStatusShown_ = 0;
};

// Lines shown by every searching page of the process; carries over from walk to walk.
extern std::int32_t progressCallCount;
