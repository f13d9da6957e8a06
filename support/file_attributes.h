// support/file_attributes.h
#pragma once

#include <cstdint>
#include <initializer_list>

// The attributes the programs look at or set, each one bit of FileAttributes::named.
enum class FileAttribute : std::uint32_t {
    ReadOnly = 1u << 0,
    Hidden = 1u << 1,
    System = 1u << 2,
    Directory = 1u << 3,
    ReparsePoint = 1u << 4,  // a junction or a symbolic link
    Temporary = 1u << 5,
    Offline = 1u << 6,
    NoScrubData = 1u << 7,  // left out of a resilient file system's integrity scans
};

// A file's attributes. The system's others ride along in unnamed, looked at by nothing but its
// layer, so that attributes written back lose none; no attribute at all is a normal file.
struct FileAttributes {
    constexpr FileAttributes() = default;
    constexpr FileAttributes(std::initializer_list<FileAttribute> attributes) {
        for (const FileAttribute attribute : attributes) {
            named |= static_cast<std::uint32_t>(attribute);
        }
    }
    bool Has(FileAttribute attribute) const { return HasAny({attribute}); }
    bool HasAny(FileAttributes any) const { return (named & any.named) != 0; }
    FileAttributes Without(FileAttribute attribute) const {
        FileAttributes rest = *this;
        rest.named &= ~static_cast<std::uint32_t>(attribute);
        return rest;
    }

    std::uint32_t named = 0;
    std::uint32_t unnamed = 0;
};
