// support/file_attributes_win32.h
#pragma once

#include <windows.h>

#include <utility>

#include "support/file_attributes.h"

// Not in every SDK's headers.
inline constexpr DWORD kNoScrubDataAttribute = 0x20000;

inline constexpr std::pair<FileAttribute, DWORD> kSystemAttributes[] = {
    {FileAttribute::ReadOnly, FILE_ATTRIBUTE_READONLY},
    {FileAttribute::Hidden, FILE_ATTRIBUTE_HIDDEN},
    {FileAttribute::System, FILE_ATTRIBUTE_SYSTEM},
    {FileAttribute::Directory, FILE_ATTRIBUTE_DIRECTORY},
    {FileAttribute::ReparsePoint, FILE_ATTRIBUTE_REPARSE_POINT},
    {FileAttribute::Temporary, FILE_ATTRIBUTE_TEMPORARY},
    {FileAttribute::Offline, FILE_ATTRIBUTE_OFFLINE},
    {FileAttribute::NoScrubData, kNoScrubDataAttribute},
};

inline FileAttributes AttributesFromSystem(DWORD system) {
    FileAttributes attributes;
    attributes.unnamed = system;
    for (const auto& [attribute, bit] : kSystemAttributes) {
        if ((system & bit) != 0) {
            attributes.named |= static_cast<std::uint32_t>(attribute);
            attributes.unnamed &= ~bit;
        }
    }
    return attributes;
}

// No attribute at all is the system's "normal", the one it takes only alone.
inline DWORD SystemAttributes(const FileAttributes& attributes) {
    DWORD system = attributes.unnamed;
    for (const auto& [attribute, bit] : kSystemAttributes) {
        if (attributes.Has(attribute)) {
            system |= bit;
        }
    }
    return system == 0 ? FILE_ATTRIBUTE_NORMAL : system;
}
