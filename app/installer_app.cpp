// app/installer_app.cpp
#include "app/installer_app.h"

#include <string>

#include "app/installer_session.h"
#include "pages/wizard_pages.h"
#include "resources/page_texts.h"
#include "support/format_text.h"

std::string UnknownExceptionText() {
    return FormatText(kUnknownExceptionFormat, kSupportWebAddress);
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
