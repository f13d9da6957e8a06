// install/payload_file.cpp
#include "install/payload_file.h"

#include "install/pump.h"
#include "support/resource_source.h"
#include "support/exception.h"
#include "support/file_sink.h"
#include "support/files.h"
#include "support/inflate_source.h"
#include "support/paths.h"

namespace {

constexpr std::int32_t kTransferBufferSize = 16384;

Text FolderOfTarget(const Text& target) {
    const std::string folder = FolderOf(target.Bytes());
    return Text(folder.empty() ? std::string(".\\") : folder);
}

// The temporary file beside the target, removed unless it was put in the target's place.
class TemporaryFile {
public:
    explicit TemporaryFile(const Text& directory) : path_(CreateUniqueFileIn(directory)) {
        if (path_.IsEmpty()) {
            throw Exception(ExceptionCode::FileOpen);
        }
    }
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;
    ~TemporaryFile() {
        if (!path_.IsEmpty()) {
            RemoveFileWhenFree(path_);
        }
    }
    const Text& Path() const { return path_; }
    void Kept() { path_.Clear(); }

private:
    Text path_;
};

void WriteThroughTemporaryFile(const Text& target, int payloadId) {
    ResourceSource payload;
    if (!payload.Load(payloadId)) {
        throw Exception(ExceptionCode::Resource);
    }
    InflateSource inflated(&payload, false);
    TemporaryFile temporary(FolderOfTarget(target));
    {
        FileSink file(temporary.Path());
        Pump pump(inflated, file, kTransferBufferSize);
        while (!pump.Done()) {
            pump.Step();
        }
    }
    if (!ReplaceWithFile(temporary.Path(), target)) {
        throw Exception(ExceptionCode::FileWrite);
    }
    temporary.Kept();
}

}  // namespace

bool WritePayloadFile(const Text& target, int payloadId, FailedFileReport& report) {
    try {
        WriteThroughTemporaryFile(target, payloadId);
        return true;
    } catch (...) {
        // Every failure to write one file is reported the same way and the run goes on.
        report.FileNotWritten(target);
        return false;
    }
}
