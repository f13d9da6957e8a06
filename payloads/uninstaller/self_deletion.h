// payloads/uninstaller/self_deletion.h
#pragma once

#include <string>

// A running program cannot delete itself: a copy of the uninstaller, in a new folder below the
// Windows temporary folder that only administrators may change, is started with
// "/finish PID FOLDER"; it waits for this process to end, deletes uninstall.exe and the empty
// install folder, and asks Windows to delete the copy and its folder at the next restart.
void HandOverSelfDeletion(const std::string& installFolder);

// The copy's part; the process's exit code: 0, or 1 when FOLDER is not the product's install
// folder and was left alone.
int FinishSelfDeletion(unsigned long processId, const std::string& folder);
