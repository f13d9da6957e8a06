// tests/fuzz/host_rule_fuzz.cpp
// The detection rule against its statement: excluded attributes are neither entered nor shown;
// a name starting "plug" (any case) in a path naming a known host (first in the catalogue wins)
// adds exactly that host, with the lower-cased path and "tvl\", and is not entered; anything else
// is entered and adds nothing. Records already in the list never change.
#include <fuzzer/FuzzedDataProvider.h>

#include <string>

#include "discovery/host_folder_rule.h"
#include "tests/fuzz/fuzz_support.h"

namespace {

std::string Lower(std::string s) {
    for (char& c : s) {
        if (c >= 'A' && c <= 'Z') {
            c = static_cast<char>(c + ('a' - 'A'));
        }
    }
    return s;
}

// Pieces that reach every branch of the rule, mixed with arbitrary bytes.
std::string MakePath(FuzzedDataProvider& provider) {
    static const char* const kPieces[] = {
        "C:\\Program Files\\",
        "Adobe\\PhotoShop CS\\",
        "Corel\\",
        "COREL PAINTER 12\\",
        "Jasc\\Paint Shop Pro 9\\",
        "Plug-Ins\\",
        "%s%n%x\\",
        "\xC4\xE9\\",
        "corel painte\\",
    };
    std::string path;
    const int pieces = provider.ConsumeIntegralInRange<int>(0, 5);
    for (int i = 0; i < pieces; ++i) {
        if (provider.ConsumeBool()) {
            path += kPieces[provider.ConsumeIntegralInRange<std::size_t>(0, 8)];
        } else {
            path += provider.ConsumeRandomLengthString(12);
        }
    }
    return path;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider provider(data, size);
    FileAttributes attributes{FileAttribute::Directory};
    if (!provider.ConsumeBool()) {
        attributes.named = provider.ConsumeIntegral<std::uint32_t>();
    }
    const std::string name =
        provider.ConsumeBool()
            ? provider.PickValueInArray<std::string>({"Plug-Ins", "PLUGINS", "plug", "Plu"})
            : provider.ConsumeRandomLengthString(16);
    const std::string path = MakePath(provider) + name + "\\";

    HostList hosts;
    AddHost(hosts, "Earlier", "D:\\earlier\\", "earlier");
    const FolderVerdict verdict = RecogniseHostFolder(attributes, Text(name), Text(path), hosts);
    const bool descend = verdict == FolderVerdict::Descend;
    FUZZ_CHECK(hosts.front().displayName == "Earlier" &&
               hosts.front().pluginDirectory == "D:\\earlier\\");

    const bool excluded =
        attributes.HasAny({FileAttribute::Hidden, FileAttribute::System, FileAttribute::Temporary,
                           FileAttribute::Offline, FileAttribute::NoScrubData});
    const bool pluginName = name.size() >= 4 && Lower(name.substr(0, 4)) == "plug";
    struct Known {
        const char* part;
        const char* displayName;
        const char* key;
    };
    static const Known kCatalogue[] = {{"photoshop", "Photoshop", "photoshop"},
                                       {"corel painter", "Corel Painter", "painter"},
                                       {"corel", "Corel Products", "corel"},
                                       {"paint shop pro", "Paint Shop Pro", "paintshoppro"}};
    const Known* match = nullptr;
    for (const Known& known : kCatalogue) {
        if (match == nullptr && Lower(path).find(known.part) != std::string::npos) {
            match = &known;
        }
    }
    if (excluded || !pluginName || match == nullptr) {
        FUZZ_CHECK(hosts.size() == 1);
        FUZZ_CHECK(descend == !excluded);
        FUZZ_CHECK((verdict == FolderVerdict::Excluded) == excluded);
        return 0;
    }
    FUZZ_CHECK(verdict == FolderVerdict::HostFound && hosts.size() == 2);
    const HostRecord& added = hosts.back();
    FUZZ_CHECK(added.displayName == match->displayName && added.key == match->key);
    FUZZ_CHECK(added.pluginDirectory.Bytes() == Lower(path) + "tvl\\");
    FUZZ_CHECK(added.install);
    return 0;
}
