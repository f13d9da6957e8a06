// payloads/uninstaller/self_deletion.h
#pragma once

#include <string>

// A running program cannot delete itself: a copy of the uninstaller in the temporary folder is
// started with "/finish PID FOLDER"; it waits for this process to end, deletes uninstall.exe and
// the empty install folder, and asks Windows to delete the copy itself at the next restart.
void HandOverSelfDeletion(const std::string& installFolder);

// The copy's part; the process's exit code.
int FinishSelfDeletion(unsigned long processId, const std::string& folder);
