// support/files_win32.cpp
#include <windows.h>

#include "support/exception.h"
#include "support/file_sink.h"
#include "support/files.h"

HandleSink::~HandleSink() {
    Close();
}

bool HandleSink::IsOpen() const {
    return handle_ != INVALID_HANDLE_VALUE;
}

void HandleSink::Close() {
    if (handle_ != INVALID_HANDLE_VALUE) {
        CloseHandle(handle_);
    }
    handle_ = INVALID_HANDLE_VALUE;
}

std::int32_t HandleSink::Write(const char* data, std::int32_t length) {
    DWORD written = 0;
    const DWORD count = length > 0 ? static_cast<DWORD>(length) : 0;
    if (!WriteFile(handle_, data, count, &written, nullptr)) {
        throw Exception(ExceptionCode::FileWrite);
    }
    return static_cast<std::int32_t>(written);
}

FileSink::FileSink(const Text& path) {
    handle_ = CreateFileA(path.CStr(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, CREATE_ALWAYS,
                          FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle_ == INVALID_HANDLE_VALUE) {
        throw Exception(ExceptionCode::FileOpen);
    }
}

FileSink::~FileSink() = default;

bool ReadFileAttributes(const Text& path, std::uint32_t& attributes) {
    const DWORD found = GetFileAttributesA(path.CStr());
    if (found == INVALID_FILE_ATTRIBUTES) {
        return false;
    }
    attributes = found;
    return true;
}

bool WriteFileAttributes(const Text& path, std::uint32_t attributes) {
    return SetFileAttributesA(path.CStr(), attributes) != FALSE;
}

bool RemoveFile(const Text& path) {
    return DeleteFileA(path.CStr()) != FALSE;
}

bool CreateOneDirectory(const Text& path) {
    return CreateDirectoryA(path.CStr(), nullptr) != FALSE;
}

Text CreateUniqueFileIn(const Text& directory) {
    char path[MAX_PATH] = {};
    if (GetTempFileNameA(directory.CStr(), "tvl", 0, path) == 0) {
        return Text();
    }
    return Text(path);
}

namespace {

// A virus scanner opens a newly written program for a moment without sharing it, and a backup
// or indexing service may do the same to the file it replaces: the file is busy, not ours to
// give up on, for a few hundred milliseconds.
constexpr DWORD kBusyPatienceMs = 2000;
constexpr DWORD kBusyPauseMs = 50;

bool IsBusy(DWORD error) {
    return error == ERROR_ACCESS_DENIED || error == ERROR_SHARING_VIOLATION ||
           error == ERROR_LOCK_VIOLATION;
}

// Runs operation until it succeeds, fails otherwise than busy, or the patience is spent; the
// last error is the last attempt's.
template <typename Operation>
bool RetryWhileBusy(Operation operation) {
    const ULONGLONG start = GetTickCount64();
    for (;;) {
        if (operation()) {
            return true;
        }
        const DWORD error = GetLastError();
        if (!IsBusy(error) || GetTickCount64() - start >= kBusyPatienceMs) {
            SetLastError(error);
            return false;
        }
        Sleep(kBusyPauseMs);
    }
}

}  // namespace

bool RemoveFileWhenFree(const Text& path) {
    return RetryWhileBusy([&] { return DeleteFileA(path.CStr()) != FALSE; });
}

bool ReplaceWithFile(const Text& source, const Text& target) {
    // Windows refuses to replace a read-only file, but not every file system it can reach does
    // (Wine's does not): a file that its owner marked read-only is never ours to overwrite.
    const DWORD attributes = GetFileAttributesA(target.CStr());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY) != 0) {
        SetLastError(ERROR_ACCESS_DENIED);
        return false;
    }
    return RetryWhileBusy([&] {
        return MoveFileExA(source.CStr(), target.CStr(),
                           MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != FALSE;
    });
}
