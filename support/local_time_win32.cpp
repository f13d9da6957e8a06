// support/local_time_win32.cpp
#include "support/local_time.h"

#include <windows.h>

LocalTime ReadLocalTime() {
    SYSTEMTIME now{};
    GetLocalTime(&now);
    return LocalTime{static_cast<std::int16_t>(now.wYear),
                     now.wMonth,
                     now.wDay,
                     now.wHour,
                     now.wMinute,
                     now.wSecond};
}
