// bench/extraction_bench.cpp
//
//   extraction_bench speed FOLDER [ROUNDS]
//     The installer's extraction (resource -> inflate -> 16384-byte buffer -> temporary file ->
//     rename) of a ~100 MB payload into a new file against a bare zlib inflate of the same
//     resource into a new file with the same buffer, A B then B A, after one round uncounted;
//     MB/s of both and the ratio.
//   extraction_bench memory PAYLOAD_ID FOLDER
//     One extraction, then the process's peak memory, for comparing a large payload with a
//     small one in separate processes.
#include <windows.h>

#include <psapi.h>
#include <zlib.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "bench/bench_timing.h"
#include "install/payload_file.h"

namespace {

constexpr int kLargePayload = 950;
constexpr int kTransferBuffer = 16384;

// The extraction must not fail; a report here ends the benchmark.
class FailureEndsTheRun : public FailedFileReport {
public:
    void FileNotWritten(const Text& path) override {
        std::fprintf(stderr, "extraction failed: %s\n", path.CStr());
        std::exit(1);
    }
};

// Inflates the resource straight into a file: zlib's own loop, no layers.
long long BareInflate(int id, const std::string& target) {
    HRSRC found = FindResourceA(nullptr, MAKEINTRESOURCEA(id), "BIN");
    const auto* bytes = static_cast<const Bytef*>(LockResource(LoadResource(nullptr, found)));
    const DWORD size = SizeofResource(nullptr, found);
    HANDLE file = CreateFileA(target.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr,
                              CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    z_stream stream{};
    inflateInit(&stream);
    stream.next_in = const_cast<Bytef*>(bytes);
    stream.avail_in = size;
    std::vector<Bytef> buffer(kTransferBuffer);
    long long total = 0;
    int result = Z_OK;
    while (result != Z_STREAM_END) {
        stream.next_out = buffer.data();
        stream.avail_out = kTransferBuffer;
        result = inflate(&stream, Z_NO_FLUSH);
        if (result != Z_OK && result != Z_STREAM_END) {
            std::fprintf(stderr, "inflate failed: %d\n", result);
            std::exit(1);
        }
        const DWORD produced = kTransferBuffer - stream.avail_out;
        DWORD written = 0;
        WriteFile(file, buffer.data(), produced, &written, nullptr);
        total += produced;
    }
    inflateEnd(&stream);
    CloseHandle(file);
    return total;
}

long long FileSize(const std::string& path) {
    WIN32_FILE_ATTRIBUTE_DATA data{};
    GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data);
    return (static_cast<long long>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
}

double OursMegabytesPerSecond(const std::string& target, FailureEndsTheRun& report) {
    const double start = Now();
    if (!WritePayloadFile(Text(target), kLargePayload, report)) {
        std::exit(1);
    }
    const double seconds = Now() - start;
    return FileSize(target) / 1e6 / seconds;
}

double BareMegabytesPerSecond(const std::string& target) {
    const double start = Now();
    const long long bytes = BareInflate(kLargePayload, target);
    return bytes / 1e6 / (Now() - start);
}

int Speed(const std::string& folder, int rounds) {
    FailureEndsTheRun report;
    std::vector<double> ours;
    std::vector<double> bare;
    std::vector<double> ratios;
    const std::string oursFile = folder + "\\ours.bin";
    const std::string bareFile = folder + "\\bare.bin";
    // Round 0 is not counted: it brings the payload's pages in from the disk.
    for (int round = 0; round <= rounds; ++round) {
        // Both write a new file, as a first install does: the installer flushes a file to the
        // disk only where it replaces one, and that flush would measure the disk, not the chain.
        // Which goes first alternates, so that the disk writing back the bytes of the round
        // before slows each side alike.
        DeleteFileA(oursFile.c_str());
        DeleteFileA(bareFile.c_str());
        double oursSpeed = 0;
        double bareSpeed = 0;
        if (round % 2 == 0) {
            oursSpeed = OursMegabytesPerSecond(oursFile, report);
            bareSpeed = BareMegabytesPerSecond(bareFile);
        } else {
            bareSpeed = BareMegabytesPerSecond(bareFile);
            oursSpeed = OursMegabytesPerSecond(oursFile, report);
        }
        if (round == 0) {
            continue;
        }
        ours.push_back(oursSpeed);
        bare.push_back(bareSpeed);
        ratios.push_back(oursSpeed / bareSpeed);
        std::printf("round %d: extraction %.1f MB/s, bare inflate %.1f MB/s\n", round, oursSpeed,
                    bareSpeed);
    }
    std::printf("extraction: median %.1f MB/s (min %.1f, max %.1f)\n", Median(ours), Lowest(ours),
                Highest(ours));
    std::printf("bare inflate: median %.1f MB/s (min %.1f, max %.1f)\n", Median(bare), Lowest(bare),
                Highest(bare));
    // Round by round: the two sides of a round see the same state of the machine.
    std::printf("ratio extraction/bare: %.2f, the median of the rounds' ratios (target >= 0.90)\n",
                Median(ratios));
    DeleteFileA(oursFile.c_str());
    DeleteFileA(bareFile.c_str());
    return 0;
}

int Memory(int id, const std::string& folder) {
    FailureEndsTheRun report;
    const std::string target = folder + "\\memory.bin";
    if (!WritePayloadFile(Text(target), id, report)) {
        return 1;
    }
    PROCESS_MEMORY_COUNTERS_EX counters{};
    GetProcessMemoryInfo(GetCurrentProcess(), reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&counters),
                         sizeof counters);
    std::printf("payload %d: %lld bytes written, peak working set %zu KiB, peak private %zu KiB\n",
                id, FileSize(target), counters.PeakWorkingSetSize / 1024,
                counters.PeakPagefileUsage / 1024);
    DeleteFileA(target.c_str());
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    const std::string mode = argc > 1 ? argv[1] : "";
    if (mode == "speed" && argc >= 3) {
        return Speed(argv[2], argc > 3 ? std::atoi(argv[3]) : 3);
    }
    if (mode == "memory" && argc >= 4) {
        return Memory(std::atoi(argv[2]), argv[3]);
    }
    std::fprintf(stderr, "usage: extraction_bench speed FOLDER [ROUNDS] | memory ID FOLDER\n");
    return 2;
}
