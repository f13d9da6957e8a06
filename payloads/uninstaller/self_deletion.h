// payloads/uninstaller/self_deletion.h
#pragma once

#include <string>
#include <vector>

// A running program cannot delete itself: a copy of the uninstaller, in a new folder below the
// Windows temporary folder that only administrators may change, is started with
// "/finish PID PROCESS FILE FOLDER" and inherits three handles from this process: this process,
// the installed uninstaller and the install folder, each opened here through the folders held
// from the drive's root. The copy waits for this process to end, deletes uninstall.exe and the
// emptied install folder through those handles, and asks Windows to delete the copy and its
// folder at the next restart.
void HandOverSelfDeletion(const std::string& installFolder);

// The copy's part, given the program's arguments after its name; the process's exit code: 0
// once the uninstaller is gone. A copy started by anything but the installed uninstaller has no
// such handles (no program without administrator rights can pass a handle to an elevated one):
// it changes nothing, schedules nothing and answers 1.
int FinishSelfDeletion(const std::vector<std::string>& arguments);
