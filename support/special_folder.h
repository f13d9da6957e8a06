// support/special_folder.h
#pragma once

#include "support/text.h"

// The shell's folders that the programs ask for.
enum SpecialFolderId {
    kFolderPrograms,  // the Start menu's Programs folder
    kFolderCommonStartMenu,
    kFolderCommonDesktopDirectory,
    kFolderProgramFiles,
    kFolderProgramFilesX86,
};

// The bytes a folder's path may take: MAX_PATH UTF-16 units, each up to three bytes in UTF-8.
inline constexpr int kFolderPathBytes = 3 * 260;

// Asks the shell for a folder without creating it; true with the path (no trailing separator,
// zero-terminated) on success.
using FolderLookup = bool (*)(SpecialFolderId folderId, char (&path)[kFolderPathBytes]);

// The shell's own lookup; null where there is no shell.
FolderLookup ShellFolderLookup();
// Tests replace the lookup to reach the second lookups and the fallbacks; returns the one it
// replaced. Null restores the shell's.
FolderLookup ReplaceFolderLookup(FolderLookup lookup);

// On success, path becomes the folder followed by one "\"; on failure path is left as it was.
bool SpecialFolder(SpecialFolderId folderId, Text& path);

// Each asks afresh, in a fixed order, and falls back to the classic English default.
Text ProgramFilesFolder();
Text CommonDesktopFolder();
Text CommonStartMenuFolder();
