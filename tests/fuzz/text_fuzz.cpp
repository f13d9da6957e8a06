// tests/fuzz/text_fuzz.cpp
// Text's operations against a plain model on std::string: Left, Mid, MakeLower, fields (bounds
// and TakeField, positive and negative indexes) and both replaces.
#include <fuzzer/FuzzedDataProvider.h>

#include <string>
#include <vector>

#include "support/text.h"
#include "tests/fuzz/fuzz_support.h"

namespace {

// A small alphabet makes matches likely; 'A' and 'Z' meet MakeLower's edges, '\xC4' and '\0'
// are bytes that must pass untouched.
std::string Narrow(const std::string& bytes, bool allowZero) {
    static const char kAlphabet[] = {'a', 'b', '/', '\\', 'A', 'Z', '\xC4', '%', '\0'};
    std::string narrowed;
    for (const char c : bytes) {
        const char mapped = kAlphabet[static_cast<unsigned char>(c) % (allowZero ? 9 : 8)];
        narrowed.push_back(mapped);
    }
    return narrowed;
}

bool MatchesAt(const std::string& s, std::size_t at, const std::string& find) {
    if (at + find.size() > s.size()) {
        return false;
    }
    for (std::size_t i = 0; i < find.size(); ++i) {
        if (s[at + i] != find[i]) {
            return false;
        }
    }
    return true;
}

std::size_t NextMatch(const std::string& s, std::size_t from, const std::string& find) {
    for (std::size_t at = from; at + find.size() <= s.size(); ++at) {
        if (MatchesAt(s, at, find)) {
            return at;
        }
    }
    return std::string::npos;
}

std::vector<std::string> Split(const std::string& s, const std::string& separator) {
    std::vector<std::string> fields(1);
    for (std::size_t at = 0; at < s.size() && !separator.empty();) {
        if (MatchesAt(s, at, separator)) {
            fields.emplace_back();
            at += separator.size();
        } else {
            fields.back().push_back(s[at++]);
        }
    }
    return fields;
}

std::string Join(const std::vector<std::string>& fields, const std::string& separator) {
    std::string joined;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        joined += (i > 0 ? separator : "") + fields[i];
    }
    return joined;
}

int ModelReplaceAll(std::string& s, const std::string& find, const std::string& replacement,
                    std::size_t start) {
    if (find.empty() || start > s.size()) {
        return 0;
    }
    std::string out = s.substr(0, start);
    int replaced = 0;
    for (std::size_t at = start; at < s.size();) {
        if (MatchesAt(s, at, find)) {
            out += replacement;
            at += find.size();
            ++replaced;
        } else {
            out.push_back(s[at++]);
        }
    }
    s = out;
    return replaced;
}

int ModelReplaceRepeatedly(std::string& s, const std::string& find, const std::string& replacement,
                           std::size_t start) {
    if (find.empty() || start > s.size()) {
        return 0;
    }
    if (NextMatch(replacement, 0, find) != std::string::npos) {
        return ModelReplaceAll(s, find, replacement, start);
    }
    const std::size_t bound = s.size();
    int replaced = 0;
    for (std::size_t at = NextMatch(s, start, find); at != std::string::npos;
         at = NextMatch(s, at, find)) {
        s = s.substr(0, at) + replacement + s.substr(at + find.size());
        // Every replacement eats at least one byte of what followed the first match.
        FUZZ_CHECK(static_cast<std::size_t>(++replaced) <= bound);
    }
    return replaced;
}

void CheckFields(const std::string& s, const std::string& separator) {
    const Text text(s);
    const std::vector<std::string> fields = Split(s, separator);
    const auto count = static_cast<std::int32_t>(fields.size());
    if (!separator.empty()) {
        FUZZ_CHECK(text.Count(separator.c_str()) == fields.size() - 1);
    }
    for (std::int32_t index = -count - 2; index <= count + 1; ++index) {
        std::int32_t field = index < 0 ? index + count : index;
        bool exists = field >= 0 && field < count;
        if (separator.empty()) {
            // No separator: one empty field at 0 that every index from -1 on names.
            exists = index >= -1;
            field = 0;
        }
        std::uint32_t start = 0;
        std::uint32_t end = 0;
        FUZZ_CHECK(text.FieldBounds(separator.c_str(), index, start, end) == exists);
        Text taken = text;
        const Text field_text = taken.TakeField(separator.c_str(), index);
        if (!exists) {
            FUZZ_CHECK(taken == text && field_text.IsEmpty());
            continue;
        }
        if (separator.empty()) {
            FUZZ_CHECK(start == 0 && end == 0 && field_text.IsEmpty() && taken == text);
            continue;
        }
        FUZZ_CHECK(start <= end && end <= text.Length());
        FUZZ_CHECK(s.substr(start, end - start) == fields[static_cast<std::size_t>(field)]);
        FUZZ_CHECK(field_text.Bytes() == fields[static_cast<std::size_t>(field)]);
        std::vector<std::string> rest = fields;
        rest.erase(rest.begin() + field);
        // The last field has no separator after it; the one before it stays.
        const std::string expected = field == count - 1 && count > 1
                                         ? Join(rest, separator) + separator
                                         : Join(rest, separator);
        FUZZ_CHECK(taken.Bytes() == expected);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider provider(data, size);
    const std::string find = Narrow(provider.ConsumeRandomLengthString(4), true);
    const std::string replacement = Narrow(provider.ConsumeRandomLengthString(5), true);
    const std::string separator = Narrow(provider.ConsumeRandomLengthString(3), false);
    const auto number = provider.ConsumeIntegral<std::int32_t>();
    const auto start = provider.ConsumeIntegralInRange<std::uint32_t>(0, 80);
    const bool narrow = provider.ConsumeBool();
    const std::string raw = provider.ConsumeRemainingBytesAsString();
    const std::string s = narrow ? Narrow(raw, true) : raw;
    const Text text(s);
    FUZZ_CHECK(text.Length() == s.size() && text.CStr()[text.Length()] == '\0');

    const std::size_t length = s.size();
    const std::string left = number <= 0 ? "" : s.substr(0, static_cast<std::size_t>(number));
    FUZZ_CHECK(text.Left(number).Bytes() == left);
    const std::string mid = number <= 0 ? s
                            : static_cast<std::size_t>(number) >= length
                                ? ""
                                : s.substr(static_cast<std::size_t>(number));
    FUZZ_CHECK(text.Mid(number).Bytes() == mid);

    Text lower = text;
    lower.MakeLower();
    for (std::size_t i = 0; i < length; ++i) {
        const char c = s[i];
        FUZZ_CHECK(lower[static_cast<std::uint32_t>(i)] ==
                   (c >= 'A' && c <= 'Z' ? static_cast<char>(c + ('a' - 'A')) : c));
    }

    std::string all = s;
    Text replacedAll = text;
    FUZZ_CHECK(replacedAll.ReplaceAll(find, replacement, start) ==
               ModelReplaceAll(all, find, replacement, start));
    FUZZ_CHECK(replacedAll.Bytes() == all);
    std::string repeated = s;
    Text replacedRepeatedly = text;
    FUZZ_CHECK(replacedRepeatedly.ReplaceRepeatedly(find, replacement, start) ==
               ModelReplaceRepeatedly(repeated, find, replacement, start));
    FUZZ_CHECK(replacedRepeatedly.Bytes() == repeated);

    CheckFields(s, separator);
    return 0;
}
