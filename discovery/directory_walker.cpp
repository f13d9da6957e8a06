// discovery/directory_walker.cpp
#include "discovery/directory_walker.h"

namespace {

constexpr std::uint32_t kDirectoryAttribute = 0x10;

}  // namespace

DirectoryWalker::~DirectoryWalker() = default;

bool DirectoryWalker::VisitDirectory(const DirectoryEntry&, const Text&) {
    return true;
}

void DirectoryWalker::DirectoryDone(const Text&) {}

void DirectoryWalker::WalkStarted(const Text&) {}

bool DirectoryWalker::OnException(const Exception& exception) {
    throw Exception(exception.Code(), exception.Message());
}

void DirectoryWalker::Walk(const Text& root, const char* pattern, std::uint32_t depth) {
    WalkStarted(root);
    List(root, pattern, depth);
}

void DirectoryWalker::List(const Text& directory, const char* pattern, std::uint32_t budget) {
    if (directory.IsEmpty()) {
        return;
    }
    Text folder = directory;
    const char last = folder[folder.Length() - 1];
    if (last != '\\' && last != '/') {
        folder.Append("\\");
    }
    DirectoryListing listing(folder + pattern);
    if (!listing.IsOpen()) {
        return;
    }
    do {
        const DirectoryEntry& entry = listing.Entry();
        bool visitAgain = true;
        while (visitAgain) {
            visitAgain = false;
            // Checked before every entry at every level, so a stop takes effect at once.
            if (cancelFlag != nullptr && *cancelFlag == 1) {
                throw Exception(ExceptionCode::User);
            }
            const bool isDirectory = (entry.attributes & kDirectoryAttribute) != 0;
            if (isDirectory && (budget == 0 || entry.name == "." || entry.name == "..")) {
                break;
            }
            if (!isDirectory && directoriesOnly) {
                break;
            }
            const Text path =
                isDirectory ? folder + entry.name.CStr() + "\\" : folder + entry.name.CStr();
            bool descend = false;
            try {
                if (isDirectory) {
                    descend = VisitDirectory(entry, path);
                } else {
                    VisitFile(path);
                }
            } catch (const Exception& exception) {
                ReportException(exception);
                ReportEventFormatted(isDirectory ? "exception while processing directory %s"
                                                 : "exception while processing file %s",
                                     path.CStr());
                visitAgain = OnException(exception);
                descend = false;
            }
            if (descend) {
                List(path, pattern, budget - 1);
            }
        }
        if (ShouldStop()) {
            break;
        }
    } while (listing.Next());
    DirectoryDone(folder);
}
