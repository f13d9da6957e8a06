// support/busy_file.h
#pragma once

#include <cstdint>

// A virus scanner opens a newly written program for a moment without sharing it, and a backup
// or indexing service may do the same to a file we replace or remove: the file is busy, not ours
// to give up on, for a few hundred milliseconds. These are the errors that say so.
bool IsBusyFileError(std::uint32_t error);
// The error that says a folder has no entry of the name asked for.
bool IsFileNotFoundError(std::uint32_t error);

// Runs operation (answering whether it worked, with the system's last error set when not) until
// it succeeds, fails otherwise than busy, or about two seconds have passed; the last error is
// the last attempt's.
template <typename Operation>
bool RetryWhileBusy(Operation operation);

// The waiting, shared by every retry.
namespace busy_file {
std::uint64_t Now();
void Pause();
std::uint32_t LastError();
void SetLastError(std::uint32_t error);
inline constexpr std::uint64_t kPatienceMs = 2000;
}  // namespace busy_file

template <typename Operation>
bool RetryWhileBusy(Operation operation) {
    const std::uint64_t start = busy_file::Now();
    for (;;) {
        if (operation()) {
            return true;
        }
        const std::uint32_t error = busy_file::LastError();
        if (!IsBusyFileError(error) || busy_file::Now() - start >= busy_file::kPatienceMs) {
            busy_file::SetLastError(error);
            return false;
        }
        busy_file::Pause();
    }
}
