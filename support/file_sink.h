// support/file_sink.h
#pragma once

#include <cstdint>

#include "support/byte_sink.h"
#include "support/owned_handle.h"
#include "support/text.h"

// A sink over one operating-system file handle that its owner keeps and closes.
class HandleSink : public ByteSink {
public:
    explicit HandleSink(void* handle) : handle_(handle) {}
    ~HandleSink() override;

    // One WriteFile of the whole count; the count the system wrote, which may be less.
    // Raises "File Write Exception" when the call fails.
    std::int32_t Write(const char* data, std::int32_t length) override;

protected:
    // The handle as the system's HANDLE bits; all bits set means none.
    void* handle_ = reinterpret_cast<void*>(~std::uintptr_t{0});
};

// Opens path for writing: created when missing, truncated when present; others may read it
// while it is open, but nobody else may write or delete it. Raises "File Open Exception".
class FileSink : public HandleSink {
public:
    explicit FileSink(const Text& path);

    void Close();
    bool IsOpen() const { return file_.IsOpen(); }

private:
    OwnedHandle file_;
};
