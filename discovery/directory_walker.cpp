// discovery/directory_walker.cpp
#include "discovery/directory_walker.h"

#include "support/paths.h"

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
    const Text folder(WithTrailingSeparator(directory.Bytes()));
    DirectoryListing listing(folder + pattern);
    if (!listing.IsOpen()) {
        return;
    }
    do {
        VisitEntry(listing.Entry(), folder, pattern, budget);
    } while (!ShouldStop() && listing.Next());
    DirectoryDone(folder);
}

void DirectoryWalker::VisitEntry(const DirectoryEntry& entry, const Text& folder,
                                 const char* pattern, std::uint32_t budget) {
    const bool isDirectory = entry.attributes.Has(FileAttribute::Directory);
    for (bool visitAgain = true; visitAgain;) {
        // Checked before every entry at every level, so a stop takes effect at once.
        ThrowIfCancelled();
        if (!IsVisited(entry, budget)) {
            return;
        }
        const Text path =
            isDirectory ? folder + entry.name.CStr() + "\\" : folder + entry.name.CStr();
        visitAgain = false;
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
}

bool DirectoryWalker::IsVisited(const DirectoryEntry& entry, std::uint32_t budget) const {
    if (!entry.attributes.Has(FileAttribute::Directory)) {
        return !directoriesOnly;
    }
    return budget != 0 && entry.name != "." && entry.name != "..";
}

void DirectoryWalker::ThrowIfCancelled() const {
    if (cancelFlag != nullptr && *cancelFlag == 1) {
        throw Exception(ExceptionCode::User);
    }
}
