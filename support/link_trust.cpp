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
    // With its separator, a folder is inside the root; "C:\Program Files" itself counts too. The
    // folders come from the shell's own lookups only: a fallback is no place to trust.
    const Text candidate(path.Bytes() + "\\");
    Text root;
    return (SpecialFolder(kFolderProgramFiles, root) && IsAtOrBelow(candidate, root)) ||
           (SpecialFolder(kFolderProgramFilesX86, root) && IsAtOrBelow(candidate, root));
}
