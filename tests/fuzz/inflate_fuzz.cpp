// tests/fuzz/inflate_fuzz.cpp
// The extraction chain: InflateSource over a source that delivers in uneven chunks, a
// FixedBuffer of 16384 bytes, a sink that takes uneven amounts. Damaged streams must end in
// "Stream Exception", never in a hang or a quiet end; sound streams (made here from the input)
// must come out byte for byte; and reading allocates nothing beyond zlib's own window.
#include <fuzzer/FuzzedDataProvider.h>
#include <sanitizer/allocator_interface.h>

#include <zlib.h>

#include <algorithm>
#include <cstring>
#include <string>

#include "install/pump.h"
#include "support/exception.h"
#include "support/inflate_source.h"
#include "tests/fuzz/fuzz_support.h"

namespace {

// zlib's state (about 7 KiB) comes with inflateInit; its window (at most 32 KiB) with the first
// inflate. Nothing else may be allocated while the chain runs, whatever the stream's size.
constexpr std::size_t kAllowedWhileReading = 48 * 1024;
constexpr std::size_t kMaxOutput = 8 * 1024 * 1024;

thread_local bool counting = false;
thread_local std::size_t allocatedWhileReading = 0;

void OnMalloc(const volatile void*, std::size_t size) {
    if (counting) {
        allocatedWhileReading += size;
    }
}
void OnFree(const volatile void*) {}

class ChunkedSource : public ByteSource {
public:
    ChunkedSource(const std::string& bytes, std::int32_t chunk) : bytes_(bytes), chunk_(chunk) {}
    std::int32_t Read(char* buffer, std::int32_t max) override {
        const std::size_t count =
            std::min({bytes_.size() - position_, static_cast<std::size_t>(std::max(max, 0)),
                      static_cast<std::size_t>(chunk_)});
        std::memcpy(buffer, bytes_.data() + position_, count);
        position_ += count;
        return static_cast<std::int32_t>(count);
    }
    bool AtEnd() override { return position_ == bytes_.size(); }

private:
    const std::string& bytes_;
    std::size_t position_ = 0;
    std::int32_t chunk_;
};

// Counts what it takes and, when it has an expectation, compares as it goes (no copy kept).
class CheckingSink : public ByteSink {
public:
    CheckingSink(const std::string* expected, std::int32_t limit)
        : expected_(expected), limit_(limit) {}
    std::int32_t Write(const char* data, std::int32_t length) override {
        const std::int32_t count = std::min(length, limit_);
        if (expected_ != nullptr) {
            FUZZ_CHECK(received + static_cast<std::size_t>(count) <= expected_->size());
            FUZZ_CHECK(std::memcmp(expected_->data() + received, data,
                                   static_cast<std::size_t>(count)) == 0);
        }
        received += static_cast<std::size_t>(count);
        return count;
    }
    std::size_t received = 0;

private:
    const std::string* expected_;
    std::int32_t limit_;
};

// Runs the chain; true when the stream ended, false when it raised "Stream Exception".
bool RunChain(const std::string& stream, std::int32_t chunk, CheckingSink& sink) {
    ChunkedSource inner(stream, chunk);
    InflateSource inflater(inner);
    Pump pump(inflater, sink, 16384);
    counting = true;
    allocatedWhileReading = 0;
    bool ended = true;
    try {
        // Each step takes input, produces output into the buffer or hands some to the sink, so
        // more steps than bytes moved is a hang.
        std::size_t steps = 0;
        while (!pump.Done() && sink.received < kMaxOutput) {
            pump.Step();
            FUZZ_CHECK(++steps <= stream.size() + sink.received + 16384 + 64);
        }
    } catch (const Exception& exception) {
        FUZZ_CHECK(exception.Is(ExceptionCode::Stream));
        ended = false;
    }
    counting = false;
    FUZZ_CHECK(allocatedWhileReading <= kAllowedWhileReading);
    return ended;
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    __sanitizer_install_malloc_and_free_hooks(&OnMalloc, &OnFree);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider provider(data, size);
    const bool roundTrip = provider.ConsumeBool();
    const std::int32_t chunk = provider.ConsumeIntegralInRange<std::int32_t>(1, 9000);
    const std::int32_t limit = provider.ConsumeIntegralInRange<std::int32_t>(1, 20000);
    const int level = provider.ConsumeIntegralInRange<int>(0, 9);
    const std::string bytes = provider.ConsumeRemainingBytesAsString();
    if (!roundTrip) {
        CheckingSink sink(nullptr, limit);
        RunChain(bytes, chunk, sink);
        return 0;
    }
    uLongf packedSize = compressBound(static_cast<uLong>(bytes.size()));
    std::string packed(packedSize, '\0');
    FUZZ_CHECK(compress2(reinterpret_cast<Bytef*>(packed.data()), &packedSize,
                         reinterpret_cast<const Bytef*>(bytes.data()),
                         static_cast<uLong>(bytes.size()), level) == Z_OK);
    packed.resize(packedSize);
    CheckingSink whole(&bytes, limit);
    FUZZ_CHECK(RunChain(packed, chunk, whole));
    FUZZ_CHECK(whole.received == bytes.size());
    // The same stream cut short must be refused, never taken for a complete one.
    if (packed.size() > 1) {
        const std::string cut = packed.substr(0, packed.size() / 2);
        CheckingSink partial(&bytes, limit);
        FUZZ_CHECK(!RunChain(cut, chunk, partial));
    }
    return 0;
}
