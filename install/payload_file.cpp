// install/payload_file.cpp
#include "install/payload_file.h"

#include <random>

#include "install/pump.h"
#include "support/busy_file.h"
#include "support/exception.h"
#include "support/file_sink.h"
#include "support/files.h"
#include "support/format_text.h"
#include "support/held_folder.h"
#include "support/inflate_source.h"
#include "support/paths.h"
#include "support/resource_source.h"

namespace {

constexpr std::int32_t kTransferBufferSize = 16384;

// A name nobody can have prepared: the folder may be anyone's.
Text TemporaryName() {
    static std::random_device random;
    // FormatText, not std::snprintf: that is MinGW's C99 printf, 24 KB with its floating point.
    return Text(FormatText("tvl%08x%08x.tmp", random(), random()));
}

// The temporary file beside the target, made new in one step (a file or link of the same name
// fails it), and deleted through its handle unless it took the target's place.
class TemporaryFile {
public:
    explicit TemporaryFile(const HeldFolder& folder) {
        for (int attempt = 0; attempt < 16 && !file_.IsOpen(); ++attempt) {
            file_ = folder.CreateNewFile(TemporaryName());
        }
        if (!file_.IsOpen()) {
            throw Exception(ExceptionCode::FileOpen);
        }
    }
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;
    ~TemporaryFile() {
        if (!kept_) {
            file_handle::MarkForDeletion(file_.Get(), true);
        }
    }
    void* Handle() const { return file_.Get(); }
    void Kept() { kept_ = true; }

private:
    OwnedHandle file_;
    bool kept_ = false;
};

enum class Target { Absent, Replaceable, ReadOnly };

// Windows refuses to replace a read-only file, but not every file system it can reach does
// (Wine's does not): a file that its owner marked read-only is never ours to overwrite.
Target TargetIn(const HeldFolder& folder, const Text& name) {
    const OwnedHandle existing = folder.OpenFile(name, HeldFolder::kAttributesOnly);
    if (!existing.IsOpen()) {
        // Anything but a plain "not there" is taken as a file we cannot see.
        return IsFileNotFoundError(busy_file::LastError()) ? Target::Absent : Target::Replaceable;
    }
    FileAttributes attributes;
    return file_handle::ReadAttributes(existing.Get(), attributes) &&
                   attributes.Has(FileAttribute::ReadOnly)
               ? Target::ReadOnly
               : Target::Replaceable;
}

void WriteThroughTemporaryFile(const Text& target, int payloadId, MissingFolders missing) {
    ResourceSource payload;
    if (!payload.Load(payloadId)) {
        throw Exception(ExceptionCode::Resource);
    }
    InflateSource inflated(payload);
    // The folder is held from its root while the file is written into it.
    HeldFolder folder;
    const std::string folderPath = FolderOf(target.Bytes());
    if (!folder.Open(Text(folderPath), missing == MissingFolders::Make)) {
        throw Exception(ExceptionCode::FileOpen);
    }
    const Text name(target.Bytes().substr(folderPath.size()));
    TemporaryFile temporary(folder);
    {
        HandleSink file(temporary.Handle());
        Pump pump(inflated, file, kTransferBufferSize);
        while (!pump.Done()) {
            pump.Step();
        }
    }
    // A file that takes an old one's place is on the disk before the rename: should the machine
    // stop between the two, the name may otherwise be left to bytes that never arrived, and the
    // old file gone. A new name loses nothing that way, and the flush is the costliest step of a
    // fresh install, so it is made only where there is something to lose.
    const Target existing = TargetIn(folder, name);
    if (existing == Target::ReadOnly ||
        (existing == Target::Replaceable && !file_handle::Flush(temporary.Handle())) ||
        !file_handle::MoveInto(temporary.Handle(), folder, name)) {
        throw Exception(ExceptionCode::FileWrite);
    }
    temporary.Kept();
}

}  // namespace

bool WritePayloadFile(const Text& target, int payloadId, FailedFileReport& report,
                      MissingFolders missing) {
    try {
        WriteThroughTemporaryFile(target, payloadId, missing);
        return true;
    } catch (...) {
        // Every failure to write one file is reported the same way and the run goes on.
        report.FileNotWritten(target);
        return false;
    }
}
