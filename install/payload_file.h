// install/payload_file.h
#pragma once

#include "install/failed_file_report.h"
#include "support/text.h"

// Inflates payload payloadId of this executable into target (a full path). Its folder is held
// open from its root while it is written (a link on the way that a program without rights could
// have made fails the file). The bytes go to a new temporary file beside target, which takes
// target's place only once all of them are written, and, where it replaces a file, on the disk: a
// failure leaves target as it was (or absent), deletes the temporary file, is reported once and
// answers false.
// With MissingFolders::Make, the folders of target's path that are missing are made first, each
// through its parent's handle, in the same walk from the root that then holds the folder.
enum class MissingFolders { Fail, Make };
bool WritePayloadFile(const Text& target, int payloadId, FailedFileReport& report,
                      MissingFolders missing = MissingFolders::Fail);
