// install/payload_file.h
#pragma once

#include "install/failed_file_report.h"
#include "support/text.h"

// Inflates payload payloadId of this executable into target. The bytes go to a temporary file
// beside target, which takes target's place only once all of them are on the disk: a failure
// leaves target as it was (or absent), removes the temporary file, is reported once and answers
// false.
bool WritePayloadFile(const Text& target, int payloadId, FailedFileReport& report);
