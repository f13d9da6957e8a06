// pages/side_picture.cpp
#include "pages/side_picture.h"

#include <wincodec.h>

#include <utility>

#include "resources/resource.h"
#include "support/com_pointer.h"
#include "support/com_scope.h"
#include "support/resource_source.h"

namespace {

constexpr UINT kLargestSide = 4096;

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
    std::vector<BYTE> jpeg(static_cast<std::size_t>(resource.Size()));
    if (resource.Read(reinterpret_cast<char*>(jpeg.data()), resource.Size()) != resource.Size()) {
        return false;
    }
    // A JPEG, which the Imaging Component decodes (reached through COM: windowscodecs.dll is
    // never delay-loaded). Any failure is no reason to stop the installer: the template's own
    // bitmap stays.
    const ComScope com;
    ComPointer<IWICImagingFactory> factory;
    ComPointer<IWICStream> stream;
    ComPointer<IWICBitmapDecoder> decoder;
    ComPointer<IWICBitmapFrameDecode> frame;
    ComPointer<IWICFormatConverter> converter;
    UINT width = 0;
    UINT height = 0;
    if (FAILED(CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER,
                                IID_IWICImagingFactory, factory.OutVoid())) ||
        FAILED(factory->CreateStream(stream.Out())) ||
        FAILED(stream->InitializeFromMemory(jpeg.data(), static_cast<DWORD>(jpeg.size()))) ||
        FAILED(factory->CreateDecoderFromStream(stream.Get(), nullptr,
                                                WICDecodeMetadataCacheOnDemand, decoder.Out())) ||
        FAILED(decoder->GetFrame(0, frame.Out())) ||
        FAILED(factory->CreateFormatConverter(converter.Out())) ||
        FAILED(converter->Initialize(frame.Get(), GUID_WICPixelFormat32bppBGR,
                                     WICBitmapDitherTypeNone, nullptr, 0.0,
                                     WICBitmapPaletteTypeCustom)) ||
        FAILED(converter->GetSize(&width, &height)) || width == 0 || height == 0 ||
        width > kLargestSide || height > kLargestSide) {
        return false;
    }
    std::vector<std::uint8_t> pixels(static_cast<std::size_t>(width) * height * 4);
    if (FAILED(converter->CopyPixels(nullptr, width * 4, static_cast<UINT>(pixels.size()),
                                     pixels.data()))) {
        return false;
    }
    source_ = std::move(pixels);
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
    source.bmiHeader.biBitCount = 32;
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
