// support/link_target.cpp
#include "support/link_target.h"

#include <algorithm>
#include <vector>

#include "support/paths.h"

namespace {

// The kinds of reparse data that lead to a folder by its name.
constexpr std::uint32_t kJunctionTag = 0xA0000003;
constexpr std::uint32_t kSymbolicLinkTag = 0xA000000C;
// A symbolic link's flag for a target relative to the link's folder.
constexpr std::uint32_t kRelativeTargetFlag = 1;
// The tag, the length of the data after these eight bytes, and two bytes that mean nothing.
constexpr std::size_t kHeaderBytes = 8;
// Then the offset and length of the name the system follows (offsets count from where the names
// start), the same of the name it shows, and for a symbolic link four bytes of flags.
constexpr std::size_t kFollowedNameOffsetAt = kHeaderBytes;
constexpr std::size_t kFollowedNameLengthAt = kHeaderBytes + 2;
constexpr std::size_t kFlagsAt = kHeaderBytes + 8;
constexpr std::size_t kJunctionNamesStart = kHeaderBytes + 8;
constexpr std::size_t kSymbolicLinkNamesStart = kHeaderBytes + 12;
// How a junction or an absolute link names its target: the system's own path of a DOS device.
constexpr std::u16string_view kDosDevicePrefix = u"\\??\\";

std::uint32_t ReadLittleEndian(std::span<const std::uint8_t> data, std::size_t at,
                               std::size_t bytes) {
    std::uint32_t value = 0;
    for (std::size_t i = bytes; i-- > 0;) {
        value = value << 8 | data[at + i];
    }
    return value;
}

// Takes path's names ("a\b", a final "\" or not) onto names. Where dotsMove, as in a relative
// link, "." is passed over and ".." takes the last name off (false above the root); anywhere
// else they are refused like any name that is not plain, an empty one (a doubled "\") included.
bool AddNames(std::u16string_view path, bool dotsMove, std::vector<std::u16string_view>& names) {
    for (std::size_t start = 0; start < path.size();) {
        const std::size_t end = std::min(path.find(u'\\', start), path.size());
        const std::u16string_view name = path.substr(start, end - start);
        if (dotsMove && name == u"..") {
            if (names.empty()) {
                return false;
            }
            names.pop_back();
        } else if (!(dotsMove && name == u".")) {
            if (!IsPlainName(name)) {
                return false;
            }
            names.push_back(name);
        }
        start = end + 1;
    }
    return true;
}

// "X:" or "X:\names": the drive letter and the names after it.
bool SplitDrivePath(std::u16string_view path, char16_t& drive,
                    std::vector<std::u16string_view>& names) {
    if (path.size() < 2 || path[1] != u':' || (path.size() > 2 && path[2] != u'\\')) {
        return false;
    }
    drive = path[0];
    const bool isLetter = (drive >= u'A' && drive <= u'Z') || (drive >= u'a' && drive <= u'z');
    return isLetter && AddNames(path.substr(std::min<std::size_t>(path.size(), 3)), false, names);
}

}  // namespace

bool LinkTargetPath(std::span<const std::uint8_t> data, std::u16string_view linkFolder,
                    std::u16string& target) {
    if (data.size() < kHeaderBytes) {
        return false;
    }
    const std::uint32_t tag = ReadLittleEndian(data, 0, 4);
    const bool symbolic = tag == kSymbolicLinkTag;
    const std::size_t namesStart = symbolic ? kSymbolicLinkNamesStart : kJunctionNamesStart;
    const std::size_t end = kHeaderBytes + ReadLittleEndian(data, 4, 2);
    if ((!symbolic && tag != kJunctionTag) || end > data.size() || namesStart > end) {
        return false;
    }
    const std::size_t offset = namesStart + ReadLittleEndian(data, kFollowedNameOffsetAt, 2);
    const std::size_t length = ReadLittleEndian(data, kFollowedNameLengthAt, 2);
    if (length == 0 || offset % 2 != 0 || length % 2 != 0 || offset + length > end) {
        return false;
    }
    std::u16string followed(length / 2, u'\0');
    for (std::size_t i = 0; i < followed.size(); ++i) {
        followed[i] = static_cast<char16_t>(ReadLittleEndian(data, offset + 2 * i, 2));
    }

    char16_t drive = 0;
    std::vector<std::u16string_view> names;
    const bool relative =
        symbolic && (ReadLittleEndian(data, kFlagsAt, 4) & kRelativeTargetFlag) != 0;
    if (!relative) {
        const std::u16string_view path(followed);
        if (!path.starts_with(kDosDevicePrefix) ||
            !SplitDrivePath(path.substr(kDosDevicePrefix.size()), drive, names)) {
            return false;
        }
    } else {
        std::u16string_view rest(followed);
        if (!SplitDrivePath(linkFolder, drive, names)) {
            return false;
        }
        if (rest.starts_with(u'\\')) {
            names.clear();
            rest.remove_prefix(1);
        }
        if (!AddNames(rest, true, names)) {
            return false;
        }
    }
    target.assign({drive, u':', u'\\'});
    for (std::size_t i = 0; i < names.size(); ++i) {
        if (i > 0) {
            target += u'\\';
        }
        target += names[i];
    }
    return true;
}
