// install/pump.cpp
#include "install/pump.h"

void Pump::Step() {
    if (!source_.AtEnd() && !buffer_.IsFull()) {
        buffer_.FillFrom(source_);
    }
    if (!buffer_.IsEmpty()) {
        buffer_.DrainTo(sink_);
    }
}
