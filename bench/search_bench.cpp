// bench/search_bench.cpp
//
// Directories per second of the host search behind the real searching page (a HostFinder walk
// through RunWalk, one status line per directory) against a bare FindFirstFileA walk of the same
// tree to the same depth, alternating A B A B in one process. Prints every round, the medians
// and the ratio.
#include <windows.h>

#include <algorithm>
#include <cstdlib>
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
    if (argc < 2) {
        std::fprintf(stderr, "usage: search_bench TREE [ROUNDS]\n");
        return 2;
    }
    const std::string root = argv[1];
    const int rounds = argc > 2 ? std::atoi(argv[2]) : 3;
    std::vector<double> pageRates;
    std::vector<double> bareRates;
    std::vector<double> windowlessRates;
    for (int round = 0; round < rounds; ++round) {
        HostList hosts;
        HostFinder finder(hosts);
        CountingPage page;
        double start = Now();
        page.RunWalk(finder, Text(root), 4);
        const double pageSeconds = Now() - start;
        pageRates.push_back(page.lines / pageSeconds);

        HostList moreHosts;
        HostFinder windowlessFinder(moreHosts);
        CountingLog windowless;
        start = Now();
        windowless.RunWalk(windowlessFinder, Text(root), 4);
        windowlessRates.push_back(windowless.lines / (Now() - start));

        start = Now();
        const long bare = BareWalk(root, 4);
        const double bareSeconds = Now() - start;
        bareRates.push_back(bare / bareSeconds);
        std::printf(
            "round %d: page %ld dirs in %.2f s (%.0f/s), bare %ld dirs in %.2f s (%.0f/s)\n",
            round + 1, page.lines, pageSeconds, pageRates.back(), bare, bareSeconds,
            bareRates.back());
    }
    std::printf("searching page: median %.0f dirs/s (min %.0f, max %.0f)\n", Median(pageRates),
                Lowest(pageRates), Highest(pageRates));
    std::printf("bare walk:      median %.0f dirs/s (min %.0f, max %.0f)\n", Median(bareRates),
                Lowest(bareRates), Highest(bareRates));
    std::printf("walker, no page: median %.0f dirs/s\n", Median(windowlessRates));
    std::printf("ratio page/bare: %.2f (target >= 0.80); walker without page/bare: %.2f\n",
                Median(pageRates) / Median(bareRates), Median(windowlessRates) / Median(bareRates));
    return 0;
}
