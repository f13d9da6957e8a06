// install/admin_rights.cpp
#include "install/admin_rights.h"

#include "resources/install_layout.h"
#include "support/exception.h"
#include "support/file_sink.h"
#include "support/files.h"

namespace {

bool CreateProbe(const Text& probe) {
    try {
        FileSink file(probe);
        return true;
    } catch (const Exception&) {
        return false;
    }
}

// CREATE_ALWAYS refuses a read-only, hidden or system file even to an administrator, so a probe
// left behind like that would lock out everyone.
bool IsBlockingLeftover(const Text& probe) {
    FileAttributes attributes;
    return ReadFileAttributes(probe, attributes) &&
           attributes.HasAny(
               {FileAttribute::ReadOnly, FileAttribute::Hidden, FileAttribute::System}) &&
           !attributes.Has(FileAttribute::Directory);
}

// Whoever may reset the leftover's attributes may write in the folder.
bool ReplaceBlockingLeftover(const Text& probe) {
    return IsBlockingLeftover(probe) && WriteFileAttributes(probe, FileAttributes{}) &&
           CreateProbe(probe);
}

// A probe that cannot be removed does not change the answer.
void RemoveProbe(const Text& probe) {
    FileAttributes attributes;
    if (!ReadFileAttributes(probe, attributes)) {
        return;
    }
    if (attributes.Has(FileAttribute::ReadOnly)) {
        WriteFileAttributes(probe, attributes.Without(FileAttribute::ReadOnly));  // result ignored
    }
    RemoveFile(probe);
}

}  // namespace

bool HasAdminRights() {
    const Text probe(RightsProbeFile());
    if (!CreateProbe(probe) && !ReplaceBlockingLeftover(probe)) {
        return false;
    }
    RemoveProbe(probe);
    return true;
}
