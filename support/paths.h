// support/paths.h
#pragma once

#include <string>
#include <string_view>
#include <type_traits>
#include <vector>

#include "support/text.h"

// The canonical form handed to directory creation: "/" separators from the third byte on, no
// doubled separator from the second byte on, and always one "/" at the end. The first two bytes
// are never rewritten, so a network path keeps its leading "\\".
std::string ToSlashDirectory(const std::string& path);

// The directory one level up from a canonical directory, in canonical form; false for a path
// with no component left to remove (a path of separators only).
bool ParentDirectory(const Text& canonical, Text& parent);

// A directory as a user confirmed it may lack its final separator, and a file name must not be
// glued to the folder's name: the directory with a "\" at its end unless it ends in "\" or "/"
// already. Empty stays empty.
std::string WithTrailingSeparator(const std::string& directory);

// The folder that holds path, with its final separator; empty when path has no separator.
std::string FolderOf(const std::string& path);

// Whether text names a folder from a root: "X:\..." or "\\server\share\...".
bool IsFullDirectoryPath(const std::string& text);

// The root of a full path, "X:\" or "\\server\share\" ("/" counts as "\" too), and where the
// names after it begin; an empty root for anything else.
std::string RootOf(const std::string& path, std::size_t& namesStart);

// Whether a folder or file name is one Windows keeps for a device in every folder (CON, PRN,
// AUX, NUL, COM1 to COM9 and LPT1 to LPT9, with the superscript digits too, CONIN$ and
// CONOUT$), in any case, alone or before an extension and spaces: such a name opens the device,
// and a folder made under it by the handle calls cannot be removed by the path calls.
template <typename Char>
bool IsDeviceName(std::basic_string_view<Char> name) {
    // Windows 10 reads the name up to its first dot, without the spaces before it.
    std::basic_string_view<Char> base = name.substr(0, name.find(Char('.')));
    while (!base.empty() && base.back() == Char(' ')) {
        base.remove_suffix(1);
    }
    const auto is = [&base](std::string_view device) {
        return base.size() >= device.size() && EqualsNoCase(base.substr(0, device.size()), device);
    };
    for (const std::string_view device : {"con", "prn", "aux", "nul", "conin$", "conout$"}) {
        if (base.size() == device.size() && is(device)) {
            return true;
        }
    }
    if (!is("com") && !is("lpt")) {
        return false;
    }
    const std::basic_string_view<Char> digit = base.substr(3);
    const auto unit = [&digit](std::size_t i) {
        return static_cast<std::make_unsigned_t<Char>>(digit[i]);
    };
    if (digit.size() == 1 && unit(0) >= '1' && unit(0) <= '9') {
        return true;
    }
    // "¹", "²" and "³" count as digits too: one UTF-16 unit, or two UTF-8 bytes.
    const auto superscript = [](unsigned value) {
        return value == 0xB9 || value == 0xB2 || value == 0xB3;
    };
    return sizeof(Char) == 1 ? digit.size() == 2 && unit(0) == 0xC2 && superscript(unit(1))
                             : digit.size() == 1 && superscript(unit(0));
}

// The names of path from start on, between separators of either kind; empty names (doubled
// separators) are skipped.
std::vector<std::string> NamesFrom(const std::string& path, std::size_t start);

// Why a folder that a person typed cannot be used.
enum class TypedFolderFault {
    None,
    NotFullPath,         // empty, relative to a current folder, or a raw "\\?\" or "\\.\" path
    DeviceName,          // a name Windows keeps for a device (IsDeviceName)
    EndsInDotOrSpace,    // dropped by the path calls, kept by the handle calls
    ForbiddenCharacter,  // a control character or one of < > : " | ? *
};

struct TypedFolder {
    TypedFolderFault fault = TypedFolderFault::None;
    // The first name at fault, as typed; empty for the other faults.
    std::string name;
    // Without a fault, the folder as Windows reads the text: "\" between names, "/" read as "\",
    // doubled separators as one, "." and ".." resolved without climbing above the root, a final
    // "\" where the text ends with a separator and after a bare root.
    std::string folder;
    // The same in parts: "X:\" or "\\server\share\", then the names below it.
    std::string root;
    std::vector<std::string> names;
};

// A full path typed for a folder, read as the path calls read it, so that the folder it names is
// the one the handle calls open name by name. Every name typed counts, also one that ".." takes
// away again.
TypedFolder ReadTypedFolder(const std::string& text);

// A name that means exactly one entry of its folder: not "." or "..", no second name hidden in
// it (a stream after ":"), none of the characters Windows gives a meaning in a path, and no
// final dot or space, which the path calls drop and the handle calls keep. The same for our bytes
// and for the system's UTF-16 units: no byte of a multi-byte character is below 0x80.
template <typename Char>
bool IsPlainName(std::basic_string_view<Char> name) {
    if (name.empty() || name.back() == Char('.') || name.back() == Char(' ')) {
        return false;
    }
    for (const Char unit : name) {
        if (static_cast<std::make_unsigned_t<Char>>(unit) < 0x20) {
            return false;
        }
        for (const char special : std::string_view("\\/:*?\"<>|")) {
            if (unit == Char(special)) {
                return false;
            }
        }
    }
    return true;
}
