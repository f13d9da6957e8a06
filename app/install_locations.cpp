// app/install_locations.cpp
#include "app/install_locations.h"

#include "support/exception.h"
#include "support/file_sink.h"
#include "support/files.h"
#include "support/special_folder.h"

Text InstallRoot() {
    return ProgramFilesFolder() + "Tarvelle\\";
}

Text DefaultPluginFolder() {
    return ProgramFilesFolder() + "plugins\\";
}

namespace {

bool CreateProbe(const Text& probe) {
    try {
        FileSink file(probe);
        return true;
    } catch (const Exception&) {
        return false;
    }
}

}  // namespace

bool HasAdminRights() {
    // The folder ends with "\" already; the doubled separator is read as one.
    const Text probe = ProgramFilesFolder() + "\\_test.tmp";
    if (!CreateProbe(probe)) {
        // CREATE_ALWAYS refuses a read-only, hidden or system file even to an administrator, so
        // a probe left behind like that would lock out everyone. Whoever may reset its
        // attributes may write in the folder.
        std::uint32_t leftover = 0;
        constexpr std::uint32_t kBlocking =
            kAttributeReadOnly | kAttributeHidden | kAttributeSystem;
        if (!ReadFileAttributes(probe, leftover) || (leftover & kBlocking) == 0 ||
            (leftover & kAttributeDirectory) != 0 ||
            !WriteFileAttributes(probe, kAttributeNormal) || !CreateProbe(probe)) {
            return false;
        }
    }
    std::uint32_t attributes = 0;
    if (ReadFileAttributes(probe, attributes)) {
        if ((attributes & kAttributeReadOnly) != 0) {
            WriteFileAttributes(probe, attributes & ~kAttributeReadOnly);  // result ignored
        }
        RemoveFile(probe);  // a probe that cannot be removed does not change the answer
    }
    return true;
}
