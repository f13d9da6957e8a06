// discovery/host_search.h
#pragma once

#include <cstdint>
#include <vector>

#include "support/text.h"

class HostFinder;
class SearchProgress;

// How deep below each root the search looks for plug-in folders.
inline constexpr std::uint32_t kSearchDepth = 4;

// The first round: the Program Files folder and, on 64-bit Windows, the 32-bit one beside it,
// where the image editors of that generation live.
std::vector<Text> ProgramFilesRoots();
// The second round, when the first found nothing and the user agrees: every fixed drive's root.
std::vector<Text> FixedDriveRoots();

// Walks each root in turn with the progress page as the finder's log; false as soon as the user
// stops one, or when he confirmed his quit after the last walk last looked.
bool SearchRoots(SearchProgress& progress, HostFinder& finder, const std::vector<Text>& roots);
