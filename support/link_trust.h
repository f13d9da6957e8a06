// support/link_trust.h
#pragma once

#include "support/text.h"

// Whether a junction or symbolic link at path (a full path) may be followed by our elevated
// programs: only below the Program Files folders, where only administrators can have made one
// (vendors and users move an application's folder to another drive that way). Anywhere else a
// program without rights may have made it, to send an administrator's writes or deletes where
// it chooses. Only the first link on a path is followed: what lies behind it (another drive's
// folder) may be any user's, and a second link there is no administrator's doing.
bool MayFollowLinkAt(const Text& path);
