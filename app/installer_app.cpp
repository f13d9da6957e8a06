// app/installer_app.cpp
#include "app/installer_app.h"

#include <string>

#include "app/build_constants.h"
#include "app/installer_session.h"
#include "pages/wizard_pages.h"

std::string UnknownExceptionText() {
    return std::string("unknown exception during installation \n- please contact us at ") +
           kSupportWebAddress + " for assistance";
}

bool InstallerApp::InitInstance() {
    try {
        InstallerSession session(pages_);
        session.Run();
    } catch (...) {
        // Whatever escaped the run, files already written stay where they are.
        pages_.ShowMessageBox(UnknownExceptionText());
    }
    return false;
}
