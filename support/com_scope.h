// support/com_scope.h
#pragma once

// COM for this thread, apartment-threaded, from construction to destruction. Uninitialises only
// what it initialised: a thread already in another apartment model keeps it.
class ComScope {
public:
    ComScope();
    ComScope(const ComScope&) = delete;
    ComScope& operator=(const ComScope&) = delete;
    ~ComScope();

private:
    bool initialised_;
};
