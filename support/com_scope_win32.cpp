// support/com_scope_win32.cpp
#include "support/com_scope.h"

#include <windows.h>

#include <objbase.h>

// S_FALSE (already initialised on this thread) still counts and must be balanced;
// RPC_E_CHANGED_MODE does not.
ComScope::ComScope() : initialised_(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED))) {}

ComScope::~ComScope() {
    if (initialised_) {
        CoUninitialize();
    }
}
