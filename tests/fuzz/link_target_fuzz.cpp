// tests/fuzz/link_target_fuzz.cpp
// Reparse data as a link's maker may write it: whatever is accepted is a drive's root and plain
// names, and leads to itself again when a junction names it.
#include <string>
#include <vector>

#include "support/link_target.h"
#include "support/paths.h"
#include "tests/fuzz/fuzz_support.h"

namespace {

// A junction whose followed name is "\??\" and target, and whose shown name is empty.
std::vector<std::uint8_t> JunctionTo(const std::u16string& target) {
    const std::u16string followed = u"\\??\\" + target;
    const std::size_t bytes = followed.size() * 2;
    std::vector<std::uint8_t> data = {0x03, 0x00, 0x00, 0xA0};
    for (const std::size_t value :
         {bytes + 8, std::size_t{0}, std::size_t{0}, bytes, bytes, std::size_t{0}}) {
        data.push_back(static_cast<std::uint8_t>(value));
        data.push_back(static_cast<std::uint8_t>(value >> 8));
    }
    for (const char16_t unit : followed) {
        data.push_back(static_cast<std::uint8_t>(unit));
        data.push_back(static_cast<std::uint8_t>(unit >> 8));
    }
    return data;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::u16string target;
    if (!LinkTargetPath({data, size}, u"C:\\Program Files\\Moved\\", target)) {
        return 0;
    }
    FUZZ_CHECK(target.size() >= 3 && target[1] == u':' && target[2] == u'\\');
    for (std::size_t start = 3; start < target.size();) {
        const std::size_t end = std::min(target.find(u'\\', start), target.size());
        FUZZ_CHECK(IsPlainName(std::u16string_view(target).substr(start, end - start)));
        start = end + 1;
    }
    // As long as a junction's data can hold it.
    if (target.size() * 2 + 16 <= kLongestReparseData) {
        std::u16string again;
        FUZZ_CHECK(LinkTargetPath(JunctionTo(target), u"", again) && again == target);
    }
    return 0;
}
