// bench/search_bench.cpp
//
// Directories per second of the host search behind the real searching page (a HostFinder walk
// through RunWalk, one status line per directory) against the same walker with a log that only
// counts (what the page costs) and a bare FindFirstFileA walk of the same tree to the same depth
// (what the walker costs), alternating in one process. Prints every round, the medians and the
// ratios.
#include <windows.h>

#include <cstring>
#include <cstdio>
#include <string>
#include <vector>

#include "bench/bench_timing.h"
#include "discovery/host_finder.h"
#include "pages/searching_page.h"

namespace {

// Counts the directories one to depth levels below folder, as plainly as the API allows. Like
// the walker it lists the deepest directories too (a walker that visits files would see
// theirs), so both make the same listing calls.
long BareWalk(const std::string& folder, unsigned depth) {
    long count = 0;
    WIN32_FIND_DATAA entry{};
    HANDLE find = FindFirstFileA((folder + "\\*").c_str(), &entry);
    if (find == INVALID_HANDLE_VALUE) {
        return 0;
    }
    do {
        if (depth == 0 || (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0 ||
            std::strcmp(entry.cFileName, ".") == 0 || std::strcmp(entry.cFileName, "..") == 0) {
            continue;
        }
        ++count;
        count += BareWalk(folder + "\\" + entry.cFileName, depth - 1);
    } while (FindNextFileA(find, &entry));
    FindClose(find);
    return count;
}

// Counts the lines the page shows, so that the rate is per directory examined.
class CountingPage : public SearchingPage {
public:
    void WriteLine(const char* line) override {
        ++lines;
        SearchingPage::WriteLine(line);
    }
    long lines = 0;
};

// The same walker with a log that only counts: what the walk costs without a window.
class CountingLog : public SearchProgress {
public:
    void WriteLine(const char*) override { ++lines; }
    long lines = 0;
};

}  // namespace

int main(int argc, char** argv) {
    const int rounds = RoundsAfter(argc, argv, 2, "search_bench TREE [ROUNDS]", 3);
    const std::string root = argv[1];
    std::vector<double> pageRates;
    std::vector<double> bareRates;
    std::vector<double> windowlessRates;
    // The walker behind the page that counts, or behind the log that only counts.
    const auto walk = [&](auto&& progress, std::vector<double>& rates) {
        HostList hosts;
        HostFinder finder(hosts);
        const double start = Now();
        progress.RunWalk(finder, Text(root), 4);
        rates.push_back(progress.lines / (Now() - start));
    };
    const auto pageWalk = [&] { walk(CountingPage(), pageRates); };
    const auto windowlessWalk = [&] { walk(CountingLog(), windowlessRates); };
    const auto bareWalk = [&] {
        const double start = Now();
        const long bare = BareWalk(root, 4);
        bareRates.push_back(bare / (Now() - start));
    };
    // The first walk of a process warms the file system's caches and Wine's; it is not counted.
    BareWalk(root, 4);
    for (int round = 0; round < rounds; ++round) {
        // Every other round in the opposite order, so that no kind always goes first.
        if (round % 2 == 0) {
            pageWalk();
            windowlessWalk();
            bareWalk();
        } else {
            bareWalk();
            windowlessWalk();
            pageWalk();
        }
        std::printf("round %d: page %.0f/s, walker without page %.0f/s, bare walk %.0f/s\n",
                    round + 1, pageRates.back(), windowlessRates.back(), bareRates.back());
    }
    std::printf("searching page: median %.0f dirs/s (min %.0f, max %.0f)\n", Median(pageRates),
                Lowest(pageRates), Highest(pageRates));
    std::printf("bare walk:      median %.0f dirs/s (min %.0f, max %.0f)\n", Median(bareRates),
                Lowest(bareRates), Highest(bareRates));
    std::printf("walker, no page: median %.0f dirs/s (min %.0f, max %.0f)\n",
                Median(windowlessRates), Lowest(windowlessRates), Highest(windowlessRates));
    std::printf(
        "ratio page/walker without page: %.2f (target >= 0.95); walker without page/bare: "
        "%.2f\n",
        Median(pageRates) / Median(windowlessRates), Median(windowlessRates) / Median(bareRates));
    return 0;
}
