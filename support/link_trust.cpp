#include "support/link_trust.h"

#include "support/special_folder.h"

namespace {

bool IsAtOrBelow(const Text& path, Text root) {
    Text lowered = path;
    lowered.MakeLower();
    root.MakeLower();
    return !root.IsEmpty() && lowered.Left(root.Length()) == root;
}

}  // namespace

bool MayFollowLinkAt(const Text& path) {
    // With its separator, a folder is inside the root; "C:\Program Files" itself counts too.
    const Text candidate(path.Bytes() + "\\");
    if (IsAtOrBelow(candidate, ProgramFilesFolder())) {
        return true;
    }
    Text x86;
    return SpecialFolder(kFolderProgramFilesX86, x86) && IsAtOrBelow(candidate, x86);
}
