// support/timestamp.h
#pragma once

#include "support/local_time.h"

// A local time, its fields those of LocalTime, that formats itself.
class Timestamp : public LocalTime {
public:
    Timestamp() = default;
    virtual ~Timestamp();

    void SetToLocalTime();
    // "YYYY/MM/DD hh:mm:ss" in the stamp's own buffer, valid until the next Format.
    const char* Format();

private:
    char text_[128] = {};
};
