// pages/message_box.h
#pragma once

#include <string>

// The executable's file name without its extension ("TarvelleSetup").
std::string ApplicationTitle();

// A modal system message box captioned with the application title, without owner. Without an
// icon in type it shows the exclamation mark.
int InstallerMessageBox(const char* text, unsigned type);
