// support/owned_handle.h
#pragma once

#include <utility>

// One kernel handle (a file, a folder, a process, a thread), closed when the object goes. Both
// of the system's "no handle" values (null and INVALID_HANDLE_VALUE) count as none.
class OwnedHandle {
public:
    OwnedHandle() = default;
    explicit OwnedHandle(void* handle) : handle_(handle) {}
    OwnedHandle(OwnedHandle&& other) noexcept : handle_(std::exchange(other.handle_, nullptr)) {}
    OwnedHandle& operator=(OwnedHandle&& other) noexcept {
        if (this != &other) {
            Close();
            handle_ = std::exchange(other.handle_, nullptr);
        }
        return *this;
    }
    OwnedHandle(const OwnedHandle&) = delete;
    OwnedHandle& operator=(const OwnedHandle&) = delete;
    ~OwnedHandle() { Close(); }

    bool IsOpen() const;
    void* Get() const { return handle_; }
    void Close();

private:
    void* handle_ = nullptr;
};
