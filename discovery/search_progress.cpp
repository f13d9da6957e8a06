// discovery/search_progress.cpp
#include "discovery/search_progress.h"

#include "discovery/directory_walker.h"
#include "support/exception.h"

bool SearchProgress::RunWalk(DirectoryWalker& walker, const Text& root, std::uint32_t depth) {
    walker.SetLog(this);
    walker.cancelFlag = &cancelRequested;
    try {
        walker.Walk(root, "*", depth);
    } catch (const Exception& exception) {
        if (exception.Is(ExceptionCode::User)) {
            return false;
        }
        throw Exception(exception.Code(), exception.Message());
    }
    return true;
}
