// support/gdi_object_win32.h
#pragma once

#include <windows.h>

#include <utility>

// One GDI object (a bitmap, a font), deleted when its owner goes; null is none.
template <typename Handle>
class GdiObject {
public:
    GdiObject() = default;
    GdiObject(const GdiObject&) = delete;
    GdiObject& operator=(const GdiObject&) = delete;
    ~GdiObject() { Reset(); }

    Handle Get() const { return handle_; }
    // Deletes the object held, and holds handle from now on.
    void Reset(Handle handle = nullptr) {
        if (Handle previous = std::exchange(handle_, handle); previous != nullptr) {
            DeleteObject(previous);
        }
    }

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
