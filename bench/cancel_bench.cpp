// bench/cancel_bench.cpp
//
//   cancel_bench INSTALLER [ROUNDS]
// How quickly the searching page answers Cancel while it walks a large tree: from the click on
// Cancel to the "Are you sure you want to quit?" box being on screen, ROUNDS times (each
// answered No so the walk goes on), then Yes. The prefix's Program Files must hold a tree large
// enough to keep the walk going throughout.
#include <windows.h>

#include <cstdio>
#include <thread>
#include <vector>

#include "bench/bench_timing.h"
#include "resources/resource.h"
#include "tests/e2e/wizard_steps.h"

namespace {

using namespace e2e;

// Welcome, licence, choice and notice, as a person goes through them; the searching page.
HWND StartSearch(const InstallerProcess& installer) {
    HWND welcome = WaitForPageWithControl(installer, IDC_PAGE_TEXT);
    if (welcome == nullptr || !Click(welcome, IDOK)) {
        return nullptr;
    }
    HWND license = WaitForPage(installer, IDC_PAGE_TEXT, kLicenseIntro);
    if (license == nullptr || !Click(license, IDC_AGREE) ||
        !WaitUntil([&] { return ControlEnabled(license, IDOK); }) || !Click(license, IDOK)) {
        return nullptr;
    }
    HWND choice = WaitForPageWithControl(installer, IDC_SEARCH_HOSTS);
    if (choice == nullptr || !Click(choice, IDOK)) {
        return nullptr;
    }
    HWND notice = WaitForPage(installer, IDC_PAGE_TEXT, kNotice);
    if (notice == nullptr || !Click(notice, IDOK)) {
        return nullptr;
    }
    return WaitForPageWithControl(installer, IDC_SEARCH_PROGRESS);
}

}  // namespace

int main(int argc, char** argv) {
    const int rounds = RoundsAfter(argc, argv, 2, "cancel_bench INSTALLER [ROUNDS]", 5);
    InstallerProcess installer(argv[1]);
    HWND searching = StartSearch(installer);
    if (searching == nullptr) {
        std::fprintf(stderr, "the searching page did not appear\n");
        return 1;
    }
    std::vector<double> answers;
    for (int round = 0; round < rounds; ++round) {
        std::this_thread::sleep_for(std::chrono::milliseconds(700));  // let the walk run
        const std::string walking = ControlText(searching, IDC_SEARCH_PROGRESS);
        const double start = Now();
        if (!Click(searching, IDCANCEL)) {
            std::fprintf(stderr, "Cancel could not be clicked\n");
            return 1;
        }
        const MessageBoxWindow box = WaitForMessageBox(installer, "TarvelleSetup");
        if (box.window == nullptr) {
            std::fprintf(stderr, "no confirmation after Cancel\n");
            return 1;
        }
        answers.push_back(Now() - start);
        std::printf("round %d: box after %.3f s, the walk was at %s\n", round + 1, answers.back(),
                    walking.c_str());
        const bool last = round + 1 == rounds;
        if (!Click(box.window, last ? IDYES : IDNO) || !WaitUntilGone(box.window)) {
            return 1;
        }
        if (!last && !installer.Running()) {
            std::fprintf(stderr, "the walk ended before the rounds did: use a larger tree\n");
            return 1;
        }
    }
    installer.WaitForExit();
    std::printf("RESULT cancel %.3f %.3f %.3f\n", Median(answers), Lowest(answers),
                Highest(answers));
    return 0;
}
