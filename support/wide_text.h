// support/wide_text.h
#pragma once

#include <string>
#include <string_view>

#include "support/text.h"

// Between our byte strings (in the program's code page) and the system's UTF-16 names.

// Empty when text is not valid in the code page.
std::wstring WideFromText(const Text& text);
// False when the code page cannot hold the name exactly: the system's "best fit" would turn
// "＼" into "\" or "ł" into "l", another name that may lead somewhere else. Such a name is never
// used.
bool TextFromWide(std::wstring_view wide, Text& text);
