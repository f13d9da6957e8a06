// app/main_win32.cpp
#include <windows.h>

#include <commctrl.h>

#include "app/installer_app.h"
#include "pages/side_picture.h"
#include "pages/win32_wizard_pages.h"
#include "support/library_search.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    // Only the library-search scenario builds without this, to show that it would notice.
#ifndef TVL_WITHOUT_LIBRARY_SEARCH_PROTECTION
    LoadLibrariesOnlyFromSystem32();
#endif
    // A typed path on an empty card reader or disc drive must fail like any other path, with our
    // message, not stop the run behind the system's "No disk" box.
    SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX);
    // While the libraries load and the first page is made.
    StartDecodingSidePicture();

    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES | ICC_WIN95_CLASSES};
    InitCommonControlsEx(&controls);

    Win32WizardPages pages;
    InstallerApp app(pages);
    app.InitInstance();
    return 0;
}
