// bench/text_copy_bench.cpp
//
// How cheap is a copy of a path-sized Text? Compared with the cheapest sharing scheme (copying a
// reference-counted pointer to shared bytes) and with a bare memcpy of the same bytes. Prints
// nanoseconds per copy (median of several rounds) and the ratios.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "support/text.h"

namespace {

// Publishing each copy's address makes it escape, so the optimiser cannot drop the copy.
const void* volatile escaped = nullptr;

template <typename T>
void KeepAlive(const T& value) {
    escaped = &value;
}

template <typename Copy>
double NanosecondsPerCopy(Copy copy, int copies) {
    std::vector<double> rounds;
    for (int round = 0; round < 9; ++round) {
        const auto start = std::chrono::steady_clock::now();
        for (int i = 0; i < copies; ++i) {
            copy();
        }
        const auto end = std::chrono::steady_clock::now();
        rounds.push_back(std::chrono::duration<double, std::nano>(end - start).count() / copies);
    }
    std::sort(rounds.begin(), rounds.end());
    return rounds[rounds.size() / 2];
}

void Measure(const char* label, const std::string& bytes) {
    constexpr int kCopies = 2000000;
    const Text text(bytes);
    const auto shared = std::make_shared<const std::string>(bytes);
    char target[512];

    const double textCopy = NanosecondsPerCopy(
        [&] {
            Text copy = text;
            KeepAlive(copy);
        },
        kCopies);
    const double sharedCopy = NanosecondsPerCopy(
        [&] {
            auto copy = shared;
            KeepAlive(copy);
        },
        kCopies);
    const double rawCopy = NanosecondsPerCopy(
        [&] {
            std::memcpy(target, bytes.data(), bytes.size());
            KeepAlive(target);
        },
        kCopies);
    std::printf(
        "%-34s %4zu bytes: Text %6.1f ns, shared %5.1f ns, memcpy %5.1f ns; "
        "Text/shared %.2f\n",
        label, bytes.size(), textCopy, sharedCopy, rawCopy, textCopy / sharedCopy);
}

}  // namespace

int main() {
    Measure("host folder name", "Plug-Ins");
    Measure("host plug-in path", "C:\\Program Files\\Adobe\\Adobe Photoshop CS3\\Plug-Ins\\");
    Measure("deep path", "C:\\" + std::string(200, 'd') + "\\Plug-Ins\\tvl\\");
    return 0;
}
