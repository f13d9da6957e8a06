// support/file_attributes_win32.h
#pragma once

#include <windows.h>

#include <iterator>

#include "support/file_attributes.h"

// The system's bit for each of FileAttribute's, in their order. The last (no scrub data) is not
// in every SDK's headers.
inline constexpr DWORD kSystemAttributes[] = {
    FILE_ATTRIBUTE_READONLY,      FILE_ATTRIBUTE_HIDDEN,
    FILE_ATTRIBUTE_SYSTEM,        FILE_ATTRIBUTE_DIRECTORY,
    FILE_ATTRIBUTE_REPARSE_POINT, FILE_ATTRIBUTE_TEMPORARY,
    FILE_ATTRIBUTE_OFFLINE,       0x20000};

inline FileAttributes AttributesFromSystem(DWORD system) {
    FileAttributes attributes;
    for (std::size_t i = 0; i < std::size(kSystemAttributes); ++i) {
        if ((system & kSystemAttributes[i]) != 0) {
            attributes.named |= 1u << i;
            system &= ~kSystemAttributes[i];
        }
    }
    attributes.unnamed = system;
    return attributes;
}

// No attribute at all is the system's "normal", the one it takes only alone.
inline DWORD SystemAttributes(const FileAttributes& attributes) {
    DWORD system = attributes.unnamed;
    for (std::size_t i = 0; i < std::size(kSystemAttributes); ++i) {
        system |= (attributes.named & (1u << i)) != 0 ? kSystemAttributes[i] : 0;
    }
    return system == 0 ? FILE_ATTRIBUTE_NORMAL : system;
}
