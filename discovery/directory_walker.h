// discovery/directory_walker.h
#pragma once

#include <cstdint>

#include "support/directory_listing.h"
#include "support/event_reporter.h"
#include "support/exception.h"

// Lists a tree depth-first, each directory visited before its contents, to a depth budget.
// Setting the byte cancelFlag points to to 1 ends the whole walk at the next entry with the
// "User Exception".
class DirectoryWalker : public EventReporter {
public:
    DirectoryWalker() = default;
    ~DirectoryWalker() override;

    // Directories one to depth levels below root are visited; root itself never is.
    void Walk(const Text& root, const char* pattern, std::uint32_t depth);

    bool directoriesOnly = false;
    std::uint8_t* cancelFlag = nullptr;

protected:
    virtual void VisitFile(const Text& path) = 0;
    virtual bool ShouldStop() { return false; }
    // True descends into the directory (path ends with "\").
    virtual bool VisitDirectory(const DirectoryEntry& entry, const Text& path);
    virtual void DirectoryDone(const Text& path);
    virtual void WalkStarted(const Text& root);
    // A visit raised exception: true visits the same entry again, false goes on. By default the
    // exception ends the walk.
    virtual bool OnException(const Exception& exception);

private:
    void List(const Text& directory, const char* pattern, std::uint32_t budget);
    // One entry of folder: visited (again, for as long as OnException asks) and, when the visit
    // says so, descended into.
    void VisitEntry(const DirectoryEntry& entry, const Text& folder, const char* pattern,
                    std::uint32_t budget);
    // Whether the entry is visited at all: ".", "..", directories past the budget and, for a
    // walker of directories only, files are not.
    bool IsVisited(const DirectoryEntry& entry, std::uint32_t budget) const;
    void ThrowIfCancelled() const;
};
