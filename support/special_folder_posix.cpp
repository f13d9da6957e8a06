// support/special_folder_posix.cpp
#include "support/special_folder.h"

// There is no shell to ask off Windows: every lookup fails and the fallbacks apply.
FolderLookup ShellFolderLookup() {
    return nullptr;
}
