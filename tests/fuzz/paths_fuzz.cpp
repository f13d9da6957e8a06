// tests/fuzz/paths_fuzz.cpp
// ToSlashDirectory's promises and the parent step that MakeDirectories recurses on: every chain
// of parents ends, each step is strictly shorter and canonical again. A typed folder, once read,
// reads as itself.
#include <fuzzer/FuzzedDataProvider.h>

#include <string>
#include <string_view>

#include "support/paths.h"
#include "support/text.h"
#include "tests/fuzz/fuzz_support.h"

namespace {

void CheckCanonical(const std::string& canonical) {
    FUZZ_CHECK(!canonical.empty() && canonical.back() == '/');
    FUZZ_CHECK(canonical.find('\\', 2) == std::string::npos);
    // "//" may only be the first two bytes of a path that was a lone separator.
    FUZZ_CHECK(canonical.find("//", 1) == std::string::npos);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string path(reinterpret_cast<const char*>(data), size);
    const std::string canonical = ToSlashDirectory(path);
    CheckCanonical(canonical);
    FUZZ_CHECK(canonical.compare(0, std::min<std::size_t>(path.size(), 2), path, 0, 2) == 0);
    if (canonical.size() >= 2) {
        FUZZ_CHECK(ToSlashDirectory(canonical) == canonical);
    }
    // Nothing but separators is lost: the components come out in order.
    std::string components;
    std::string canonicalComponents;
    for (std::size_t i = 2; i < path.size(); ++i) {
        if (path[i] != '/' && path[i] != '\\') {
            components.push_back(path[i]);
        }
    }
    for (std::size_t i = std::min<std::size_t>(2, path.size()); i < canonical.size(); ++i) {
        if (canonical[i] != '/') {
            canonicalComponents.push_back(canonical[i]);
        }
    }
    FUZZ_CHECK(components == canonicalComponents);

    // What the folder dialog stores reads back as itself, with nothing left for Windows to read
    // differently: no "/", no doubled separator, no "." or ".." name.
    const TypedFolder read = ReadTypedFolder(path);
    if (read.fault == TypedFolderFault::None) {
        const TypedFolder again = ReadTypedFolder(read.folder);
        FUZZ_CHECK(again.fault == TypedFolderFault::None && again.folder == read.folder);
        FUZZ_CHECK(read.folder.find('/') == std::string::npos);
        FUZZ_CHECK(read.folder.find("\\\\", 1) == std::string::npos);
        for (const std::string& name : read.names) {
            FUZZ_CHECK(name != "." && name != ".." && IsPlainName(std::string_view(name)));
        }
    }

    Text current(canonical);
    Text parent;
    std::size_t steps = 0;
    while (ParentDirectory(current, parent)) {
        FUZZ_CHECK(parent.Length() < current.Length());
        CheckCanonical(parent.Bytes());
        FUZZ_CHECK(++steps <= canonical.size());
        current = parent;
    }
    return 0;
}
