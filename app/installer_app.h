// app/installer_app.h
#pragma once

#include <string>

class WizardPages;

// Start-up: one session, one run, then the process ends. No main window, no message loop.
class InstallerApp {
public:
    explicit InstallerApp(WizardPages& pages) : pages_(pages) {}

    // Always false: there is nothing to continue with after the run.
    bool InitInstance();

private:
    WizardPages& pages_;
};

// The box of the outermost handler.
std::string UnknownExceptionText();
