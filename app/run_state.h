// app/run_state.h
#pragma once

#include <cstdint>

// Where a run stands. 1 is never used.
enum class RunState : std::int32_t {
    Begin = 0,
    HostsFound = 2,
    NoHostsFound = 3,
    ReadyToInstall = 4,
    Succeeded = 5,
    ComponentsFailed = 6,
    Stopped = 7,
};
