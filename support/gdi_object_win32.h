// support/gdi_object_win32.h
#pragma once

#include <windows.h>

#include <utility>

// One GDI object (a bitmap, a font), deleted when its owner goes; null is none.
template <typename Handle>
class GdiObject {
public:
    GdiObject() = default;
    explicit GdiObject(Handle handle) : handle_(handle) {}
    GdiObject(GdiObject&& other) noexcept : handle_(std::exchange(other.handle_, nullptr)) {}
    GdiObject& operator=(GdiObject&& other) noexcept {
        const GdiObject old(std::exchange(handle_, std::exchange(other.handle_, nullptr)));
        return *this;
    }
    ~GdiObject() {
        if (handle_ != nullptr) {
            DeleteObject(handle_);
        }
    }

    Handle Get() const { return handle_; }

private:
    Handle handle_ = nullptr;
};

// A memory device context like another, with one bitmap selected into it for its life; null
// when it could not be made.
class BitmapDc {
public:
    BitmapDc(HDC like, HBITMAP bitmap) : dc_(CreateCompatibleDC(like)) {
        if (dc_ != nullptr) {
            previous_ = SelectObject(dc_, bitmap);
        }
    }
    BitmapDc(const BitmapDc&) = delete;
    BitmapDc& operator=(const BitmapDc&) = delete;
    ~BitmapDc() {
        if (dc_ != nullptr) {
            SelectObject(dc_, previous_);
            DeleteDC(dc_);
        }
    }

    HDC Get() const { return dc_; }

private:
    HDC dc_;
    HGDIOBJ previous_ = nullptr;
};
