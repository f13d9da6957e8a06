// bench/install_bench.cpp
//
//   install_bench HOSTFOLDER
// The installer's install step, as one whole process: the shell, its plug-in, the presets and
// one host, into the real Program Files of the prefix.
#include <cstdio>
#include <string>

#include "install/install_plan.h"

namespace {

// Says which file failed; the exit code tells the script.
class PrintedReport : public FailedFileReport {
public:
    void FileNotWritten(const Text& path) override {
        std::fprintf(stderr, "install failed: %s\n", path.CStr());
    }
};

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: install_bench HOSTFOLDER\n");
        return 2;
    }
    InstallPlan plan;
    plan.installShell = true;
    plan.hostPlugins.push_back({Text("Photoshop"), Text(argv[1]), Text("photoshop")});
    PrintedReport report;
    return CarryOutInstallPlan(plan, report) ? 0 : 1;
}
