// bench/startup_bench.cpp
//
//   startup_bench INSTALLER TRIVIAL [ROUNDS]
// From CreateProcess to the installer's welcome page being on screen, against starting and
// ending a trivial program under the same Wine, alternating A B A B.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "bench/bench_timing.h"
#include "resources/resource.h"
#include "tests/e2e/driver.h"

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: startup_bench INSTALLER TRIVIAL [ROUNDS]\n");
        return 2;
    }
    const int rounds = argc > 3 ? std::atoi(argv[3]) : 5;
    std::vector<double> installer;
    std::vector<double> trivial;
    for (int round = 0; round < rounds; ++round) {
        double start = Now();
        {
            e2e::InstallerProcess process(argv[1]);
            if (e2e::WaitForPageWithControl(process, IDC_PAGE_TEXT) == nullptr) {
                std::fprintf(stderr, "the welcome page did not appear\n");
                return 1;
            }
            installer.push_back(Now() - start);
        }
        start = Now();
        {
            e2e::InstallerProcess process(argv[2]);
            if (!process.WaitForExit()) {
                return 1;
            }
            trivial.push_back(Now() - start);
        }
        std::printf("round %d: welcome page after %.3f s, trivial program %.3f s\n", round + 1,
                    installer.back(), trivial.back());
    }
    std::printf("RESULT startup %.3f %.3f %.3f %.3f %.3f %.3f\n", Median(installer),
                Lowest(installer), Highest(installer), Median(trivial), Lowest(trivial),
                Highest(trivial));
    return 0;
}
