// install/shortcut.h
#pragma once

#include "support/text.h"

// Writes a shell link at linkPath to target (made absolute) with a description; true when the
// link file was saved. A path that does not fit the system's 260-character buffers fails.
bool CreateShortcut(const Text& linkPath, const Text& description, const Text& target);
