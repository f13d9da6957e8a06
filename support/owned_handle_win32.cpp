// support/owned_handle_win32.cpp
#include <windows.h>

#include "support/owned_handle.h"

bool OwnedHandle::IsOpen() const {
    return handle_ != nullptr && handle_ != INVALID_HANDLE_VALUE;
}

void OwnedHandle::Close() {
    if (IsOpen()) {
        CloseHandle(handle_);
    }
    handle_ = nullptr;
}
