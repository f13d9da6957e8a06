// discovery/search_progress.h
#pragma once

#include <cstdint>

#include "support/event_log.h"
#include "support/text.h"

class DirectoryWalker;

// What the host search needs of the searching page: a log for the walker's progress lines and
// a byte that the user's confirmed Cancel sets to 1.
class SearchProgress : public EventLog {
public:
    SearchProgress() : EventLog(LineFormat::TextOnly, true) {}

    // Walks root with the pattern "*" to depth, this page as the walker's log and cancel source.
    // True when the walk finished, false when the user stopped it; any other Exception goes on.
    virtual bool RunWalk(DirectoryWalker& walker, const Text& root, std::uint32_t depth);

    std::uint8_t cancelRequested = 0;
};
