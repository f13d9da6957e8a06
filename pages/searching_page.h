// pages/searching_page.h
#pragma once

#include "pages/dialog.h"
#include "discovery/search_progress.h"

// Template 179, modeless: on screen while the search runs on the same thread. Each progress
// line goes into the status text, and every ninth line lets one pending message of the page
// through, which is how its Cancel button is heard during a walk.
class SearchingPage : public Dialog, public SearchProgress {
public:
    SearchingPage();
    ~SearchingPage() override;

    void WriteLine(const char* line) override;

protected:
    void OnCancel() override;
};

// Lines shown by every searching page of the process; carries over from walk to walk.
extern std::int32_t progressCallCount;
