// pages/searching_page.cpp
#include "pages/searching_page.h"

#include "pages/message_box.h"
#include "resources/page_texts.h"
#include "resources/resource.h"

std::int32_t progressCallCount = 0;

namespace {

// Often enough that a person sees the path move (20 times a second), seldom enough that
// painting costs the walk next to nothing.
constexpr std::uint64_t kStatusPaintIntervalMs = 50;

}  // namespace

SearchingPage::SearchingPage() : WizardPage(IDD_SEARCHING_PAGE) {
    CreateModeless();
    status_.Attach(Item(IDC_SEARCH_PROGRESS));
}

SearchingPage::~SearchingPage() = default;

bool SearchingPage::RunWalk(DirectoryWalker& walker, const Text& root, std::uint32_t depth) {
    status_.Hold();
    bool finished = false;
    try {
        finished = SearchProgress::RunWalk(walker, root, depth);
    } catch (...) {
        ShowStatus();
        throw;
    }
    // The last line is on screen before any box or page that follows the walk.
    ShowStatus();
    return finished;
}

void SearchingPage::WriteLine(const char* line) {
    status_.SetText(line);
    if (status_.IsHeld() && GetTickCount64() - lastStatusShown_ >= kStatusPaintIntervalMs) {
        ShowStatus();
        status_.Hold();
    }
    if (progressCallCount++ < 8) {
        return;
    }
    progressCallCount = 0;
    MSG message{};
    // Through the dialog manager first, so that Escape reaches Cancel as on any page.
    if (Window() != nullptr && PeekMessageA(&message, Window(), 0, 0, PM_REMOVE) &&
        !IsDialogMessageA(Window(), &message)) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
}

void SearchingPage::OnCancel() {
    const bool held = status_.IsHeld();
    ShowStatus();
    if (InstallerMessageBox(kQuitQuestion, MB_YESNO) == IDYES) {
        cancelRequested = 1;
    }
    if (held) {
        status_.Hold();
    }
}

void SearchingPage::ShowStatus() {
    status_.Show();
    lastStatusShown_ = GetTickCount64();
}
