// bench/startup_bench.cpp
//
//   startup_bench INSTALLER FLOOR PEER TRIVIAL [ROUNDS]
// From CreateProcess to the first page on screen: the installer's welcome page; the floor (the
// same manifest and dialog template, nothing else); the peer installer's welcome page; and
// starting and ending a program that shows nothing. All under the same Wine, each round in
// another order.
#include <windows.h>

#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "bench/bench_timing.h"
#include "resources/resource.h"
#include "tests/e2e/driver.h"

namespace {

struct Contender {
    const char* name;
    std::function<bool(e2e::InstallerProcess&)> ready;
    std::string path;
    std::vector<double> seconds;
};

bool Time(Contender& contender) {
    const double start = Now();
    e2e::InstallerProcess process(contender.path);
    if (!contender.ready(process)) {
        std::fprintf(stderr, "%s did not show its page\n", contender.name);
        return false;
    }
    contender.seconds.push_back(Now() - start);
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    const int rounds =
        RoundsAfter(argc, argv, 5, "startup_bench INSTALLER FLOOR PEER TRIVIAL [ROUNDS]", 5);
    const auto pageText = [](e2e::InstallerProcess& process) {
        return e2e::WaitForPageWithControl(process, IDC_PAGE_TEXT) != nullptr;
    };
    const auto anyDialog = [](e2e::InstallerProcess& process) {
        return e2e::WaitForWindow(process, "#32770", nullptr) != nullptr;
    };
    const auto exits = [](e2e::InstallerProcess& process) { return process.WaitForExit(); };
    std::vector<Contender> contenders{{"installer", pageText, argv[1], {}},
                                      {"floor", pageText, argv[2], {}},
                                      {"peer", anyDialog, argv[3], {}},
                                      {"trivial", exits, argv[4], {}}};
    for (int round = 0; round < rounds; ++round) {
        std::printf("round %d:", round + 1);
        for (std::size_t i = 0; i < contenders.size(); ++i) {
            Contender& contender =
                contenders[(i + static_cast<std::size_t>(round)) % contenders.size()];
            if (!Time(contender)) {
                return 1;
            }
            std::printf(" %s %.3f s", contender.name, contender.seconds.back());
        }
        std::printf("\n");
    }
    std::printf("RESULT startup");
    for (const Contender& contender : contenders) {
        std::printf(" %.3f %.3f %.3f", Median(contender.seconds), Lowest(contender.seconds),
                    Highest(contender.seconds));
    }
    std::printf("\n");
    // The installer against the floor round by round: the machine's pace drifts between rounds
    // and moves both alike, which the ratio of the two medians would not see.
    std::vector<double> ratios;
    for (std::size_t round = 0; round < contenders[0].seconds.size(); ++round) {
        ratios.push_back(contenders[0].seconds[round] / contenders[1].seconds[round]);
    }
    std::printf("RESULT floor-ratio %.2f\n", Median(ratios));
    return 0;
}
