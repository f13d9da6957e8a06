// support/special_folder.h
#pragma once

#include "support/text.h"

// Shell folder identifiers (CSIDL values).
enum SpecialFolderId : int {
    kFolderPrograms = 0x02,  // the Start menu's Programs folder
    kFolderCommonStartMenu = 0x16,
    kFolderCommonDesktopDirectory = 0x19,
    kFolderProgramFiles = 0x26,
    kFolderProgramFilesX86 = 0x2A,
};

// The bytes a folder's path may take: MAX_PATH UTF-16 units, each up to three bytes in UTF-8.
inline constexpr int kFolderPathBytes = 3 * 260;

// Asks the shell for a folder without creating it; true with the path (no trailing separator,
// zero-terminated) on success.
using FolderLookup = bool (*)(int folderId, char (&path)[kFolderPathBytes]);

// The shell's own lookup; null where there is no shell.
FolderLookup ShellFolderLookup();
// Tests replace the lookup to reach the second lookups and the fallbacks; returns the one it
// replaced. Null restores the shell's.
FolderLookup ReplaceFolderLookup(FolderLookup lookup);

// On success, path becomes the folder followed by one "\"; on failure path is left as it was.
bool SpecialFolder(int folderId, Text& path);

// Each asks afresh, in a fixed order, and falls back to the classic English default.
Text ProgramFilesFolder();
Text CommonDesktopFolder();
Text CommonStartMenuFolder();
