// support/busy_file_win32.cpp
#include <windows.h>

#include "support/busy_file.h"

bool IsBusyFileError(std::uint32_t error) {
    return error == ERROR_ACCESS_DENIED || error == ERROR_SHARING_VIOLATION ||
           error == ERROR_LOCK_VIOLATION;
}

bool IsFileNotFoundError(std::uint32_t error) {
    return error == ERROR_FILE_NOT_FOUND;
}

namespace busy_file {

std::uint64_t Now() {
    return GetTickCount64();
}

void Pause() {
    Sleep(50);
}

std::uint32_t LastError() {
    return GetLastError();
}

void SetLastError(std::uint32_t error) {
    ::SetLastError(error);
}

}  // namespace busy_file
