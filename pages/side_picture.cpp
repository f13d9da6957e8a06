// pages/side_picture.cpp
#include "pages/side_picture.h"

#include <cstring>

#include "resources/resource.h"
#include "support/inflate_source.h"
#include "support/resource_source.h"
#include "support/text_buffer.h"

namespace {

constexpr std::uint32_t kLargestSide = 4096;

std::uint32_t ReadNumber(const char* bytes) {
    std::uint32_t value = 0;
    for (int i = 3; i >= 0; --i) {
        value = (value << 8) | static_cast<std::uint8_t>(bytes[i]);
    }
    return value;
}

}  // namespace

SidePicture::~SidePicture() {
    Unhook();
    ForgetScaled();
}

void SidePicture::Attach(HWND control) {
    Unhook();
    if (control == nullptr || !LoadSource()) {
        return;  // the template's own bitmap stays
    }
    Hook(control);
    InvalidateRect(control, nullptr, TRUE);
}

void SidePicture::ForgetScaled() {
    if (scaled_ != nullptr) {
        DeleteObject(scaled_);
        scaled_ = nullptr;
    }
}

bool SidePicture::LoadSource() {
    if (!source_.empty()) {
        return true;
    }
    ResourceSource resource;
    if (!resource.Load(IDR_SIDE_PICTURE_LARGE, nullptr, MAKEINTRESOURCEA(10))) {  // RT_RCDATA
        return false;
    }
    TextBuffer bytes;
    try {
        InflateSource inflated(&resource, false);
        bytes.ReadAll(inflated);
    } catch (...) {
        return false;  // a damaged picture is no reason to stop the installer
    }
    const std::string_view data = bytes.View();
    if (data.size() < 8) {
        return false;
    }
    const std::uint32_t width = ReadNumber(data.data());
    const std::uint32_t height = ReadNumber(data.data() + 4);
    const std::size_t stride = static_cast<std::size_t>(width) * 3;
    if (width == 0 || height == 0 || width > kLargestSide || height > kLargestSide ||
        data.size() - 8 != stride * height) {
        return false;
    }
    source_.assign(data.begin() + 8, data.end());
    // Each byte was stored as its difference to the byte above it.
    for (std::size_t i = stride; i < source_.size(); ++i) {
        source_[i] = static_cast<std::uint8_t>(source_[i] + source_[i - stride]);
    }
    sourceWidth_ = static_cast<int>(width);
    sourceHeight_ = static_cast<int>(height);
    return true;
}

void SidePicture::Scale(int width, int height) {
    ForgetScaled();
    BITMAPINFO source{};
    source.bmiHeader.biSize = sizeof source.bmiHeader;
    source.bmiHeader.biWidth = sourceWidth_;
    source.bmiHeader.biHeight = -sourceHeight_;  // top row first
    source.bmiHeader.biPlanes = 1;
    source.bmiHeader.biBitCount = 24;
    source.bmiHeader.biCompression = BI_RGB;
    HDC screen = GetDC(Control());
    HDC memory = CreateCompatibleDC(screen);
    scaled_ = CreateCompatibleBitmap(screen, width, height);
    ReleaseDC(Control(), screen);
    if (memory == nullptr || scaled_ == nullptr) {
        ForgetScaled();
        if (memory != nullptr) {
            DeleteDC(memory);
        }
        return;
    }
    const HGDIOBJ previous = SelectObject(memory, scaled_);
    // Cut to the control's proportions rather than distort: the middle of the picture, scaled
    // so that it covers the whole control.
    int cutWidth = sourceWidth_;
    int cutHeight = MulDiv(sourceWidth_, height, width);
    if (cutHeight > sourceHeight_) {
        cutHeight = sourceHeight_;
        cutWidth = MulDiv(sourceHeight_, width, height);
    }
    SetStretchBltMode(memory, HALFTONE);
    SetBrushOrgEx(memory, 0, 0, nullptr);
    StretchDIBits(memory, 0, 0, width, height, (sourceWidth_ - cutWidth) / 2,
                  (sourceHeight_ - cutHeight) / 2, cutWidth, cutHeight, source_.data(), &source,
                  DIB_RGB_COLORS, SRCCOPY);
    SelectObject(memory, previous);
    DeleteDC(memory);
    scaledSize_ = SIZE{width, height};
}

void SidePicture::Paint() {
    PAINTSTRUCT paint{};
    HDC dc = BeginPaint(Control(), &paint);
    RECT client{};
    GetClientRect(Control(), &client);
    const int width = client.right - client.left;
    const int height = client.bottom - client.top;
    if (width > 0 && height > 0) {
        if (scaled_ == nullptr || scaledSize_.cx != width || scaledSize_.cy != height) {
            Scale(width, height);
        }
        HDC memory = CreateCompatibleDC(dc);
        if (memory != nullptr && scaled_ != nullptr) {
            const HGDIOBJ previous = SelectObject(memory, scaled_);
            BitBlt(dc, 0, 0, width, height, memory, 0, 0, SRCCOPY);
            SelectObject(memory, previous);
        }
        if (memory != nullptr) {
            DeleteDC(memory);
        }
    }
    EndPaint(Control(), &paint);
}

LRESULT SidePicture::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_PAINT:
            Paint();
            return 0;
        case WM_ERASEBKGND:
            return TRUE;  // the picture covers every pixel
        case WM_SIZE:
            InvalidateRect(Control(), nullptr, FALSE);
            break;
        default:
            break;
    }
    return CallOriginal(message, wParam, lParam);
}
