// bench/install_bench.cpp
//
//   install_bench HOSTFOLDER
// The installer's install step, as one whole process: summary confirmed, then the shell, its
// plug-in, the presets and one host, into the real Program Files of the prefix.
#include <cstdio>
#include <string>

#include "app/installer_session.h"
#include "pages/wizard_pages.h"

namespace {

// Confirms the summary and stops at anything else.
class ConfirmingPages : public WizardPages {
public:
    bool ControlKeyHeld() override { return false; }
    int ShowMessagePage(const std::string&, bool, const char*) override { return kPageOk; }
    int ShowMessageBox(const std::string& text, unsigned) override {
        std::fprintf(stderr, "install failed: %s\n", text.c_str());
        return kAnswerOk;
    }
    int ShowLicensePage(const std::string&) override { return kPageCancel; }
    int ShowChoicePage(bool, bool&, bool&) override { return kPageCancel; }
    std::unique_ptr<SearchProgress> OpenSearchingPage() override { return nullptr; }
    int ShowHostSelectionPage(HostList&, const std::string&) override { return kPageCancel; }
    int ShowPluginDirDialog(HostRecord&) override { return kPageCancel; }
};

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: install_bench HOSTFOLDER\n");
        return 2;
    }
    ConfirmingPages pages;
    InstallerSession session(pages);
    session.installShell = true;
    AddHost(session.hosts, "Photoshop", Text(argv[1]), "photoshop");
    session.runState = RunState::ReadyToInstall;
    session.Install();
    return session.runState == RunState::Succeeded ? 0 : 1;
}
