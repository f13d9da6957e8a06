// pages/message_box.h
#pragma once

#include <string>

// The executable's file name without its extension ("TarvelleSetup").
std::string ApplicationTitle();

// A modal system message box captioned with the application title and owned by the page that is
// up (a box in front of another box is owned by that box), which takes no input while the box is
// up. Without an icon in type it shows the exclamation mark.
int InstallerMessageBox(const char* text, unsigned type);
