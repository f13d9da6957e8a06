// support/link_trust.cpp
#include "support/link_trust.h"

#include "support/special_folder.h"

namespace {

bool IsAtOrBelow(const Text& path, const Text& root) {
    return !root.IsEmpty() && EqualsNoCase(path.View().substr(0, root.Length()), root.View());
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
