// install/payload_extraction.cpp
#include <string>

#include "app/installer_session.h"
#include "install/pump.h"
#include "install/resource_source.h"
#include "pages/wizard_pages.h"
#include "support/event_log.h"
#include "support/exception.h"
#include "support/file_sink.h"
#include "support/files.h"
#include "support/inflate_source.h"

namespace {

constexpr std::int32_t kTransferBufferSize = 16384;

Text DirectoryOf(const Text& path) {
    const std::size_t slash = path.View().find_last_of("\\/");
    return slash == std::string_view::npos ? Text(".\\")
                                           : path.Left(static_cast<std::int32_t>(slash + 1));
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
            RemoveFile(path_);
        }
    }
    const Text& Path() const { return path_; }
    void Kept() { path_.Clear(); }

private:
    Text path_;
};

}  // namespace

bool InstallerSession::ExtractPayload(const Text& target, int payloadId) {
    try {
        ResourceSource payload;
        if (!payload.Load(payloadId)) {
            throw Exception(ExceptionCode::Resource);
        }
        InflateSource inflated(&payload, false);
        // The payload is written beside the target and takes its place only once every byte is
        // on the disk, so a failure never leaves a user's file truncated or half replaced.
        TemporaryFile temporary(DirectoryOf(target));
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
        return true;
    } catch (...) {
        // Every failure to write one file is reported the same way and the run goes on.
        pages_.ShowMessageBox(FormatText("Error writing file '%s'.\nMake sure the host application "
                                         "is not running and retry the installation.",
                                         target.CStr()),
                              kBoxOk);
        errors.Append("\nError writing file ");
        errors.Append(target.View());
        return false;
    }
}
