// pages/side_picture.cpp
#include "pages/side_picture.h"

#include <wincodec.h>

#include <memory>
#include <utility>

#include "resources/resource.h"
#include "support/com_pointer.h"
#include "support/owned_handle.h"
#include "support/resource_source.h"

namespace {

constexpr UINT kLargestSide = 4096;

// Decodes the JPEG that the Imaging Component reads (reached through COM: windowscodecs.dll is
// never delay-loaded). Any failure is no reason to stop the installer: the template's own bitmap
// stays.
bool Decode(DecodedPicture& picture) {
    ResourceSource resource;
    if (!resource.Load(IDR_SIDE_PICTURE_LARGE, nullptr, MAKEINTRESOURCEA(10))) {  // RT_RCDATA
        return false;
    }
    std::vector<BYTE> jpeg(static_cast<std::size_t>(resource.Size()));
    if (resource.Read(reinterpret_cast<char*>(jpeg.data()), resource.Size()) != resource.Size()) {
        return false;
    }
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
    picture.pixels = std::move(pixels);
    picture.width = static_cast<int>(width);
    picture.height = static_cast<int>(height);
    return true;
}

// Set by the decoding thread, and read by the pages only once that has ended. Never freed: the
// program may end while the thread is still at work, and nothing it writes to may go away first.
const DecodedPicture* decoded = nullptr;
// Started and waited for on the pages' thread only.
OwnedHandle decoding;

DWORD WINAPI DecodeOnItsOwnThread(void*) {
    // The free-threaded apartment: no window of COM's own, and the Imaging Component's objects
    // are free-threaded.
    const bool initialised = SUCCEEDED(CoInitializeEx(nullptr, COINIT_MULTITHREADED));
    auto picture = std::make_unique<DecodedPicture>();
    if (Decode(*picture)) {
        decoded = picture.release();
    }
    if (initialised) {
        CoUninitialize();
    }
    return 0;
}

const DecodedPicture* DecodedSidePicture() {
    StartDecodingSidePicture();
    if (!decoding.IsOpen()) {
        return nullptr;
    }
    WaitForSingleObject(decoding.Get(), INFINITE);
    return decoded;
}

}  // namespace

void StartDecodingSidePicture() {
    if (!decoding.IsOpen()) {
        decoding =
            OwnedHandle(CreateThread(nullptr, 0, &DecodeOnItsOwnThread, nullptr, 0, nullptr));
    }
}

void SidePicture::Attach(HWND control) {
    Unhook();
    source_ = DecodedSidePicture();
    if (control == nullptr || source_ == nullptr) {
        return;  // the template's own bitmap stays
    }
    Hook(control);
    InvalidateRect(control, nullptr, TRUE);
}

void SidePicture::Scale(int width, int height) {
    // Top row first.
    BITMAPINFO source{};
    source.bmiHeader = {
        sizeof source.bmiHeader, source_->width, -source_->height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    HDC screen = GetDC(Control());
    scaled_.Reset(CreateCompatibleBitmap(screen, width, height));
    const BitmapDc memory(screen, scaled_.Get());
    ReleaseDC(Control(), screen);
    if (memory.Get() == nullptr || scaled_.Get() == nullptr) {
        scaled_.Reset();
        return;
    }
    // Cut to the control's proportions rather than distort: the middle of the picture, scaled
    // so that it covers the whole control.
    int cutWidth = source_->width;
    int cutHeight = MulDiv(source_->width, height, width);
    if (cutHeight > source_->height) {
        cutHeight = source_->height;
        cutWidth = MulDiv(source_->height, width, height);
    }
    SetStretchBltMode(memory.Get(), HALFTONE);
    SetBrushOrgEx(memory.Get(), 0, 0, nullptr);
    StretchDIBits(memory.Get(), 0, 0, width, height, (source_->width - cutWidth) / 2,
                  (source_->height - cutHeight) / 2, cutWidth, cutHeight, source_->pixels.data(),
                  &source, DIB_RGB_COLORS, SRCCOPY);
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
        if (scaled_.Get() == nullptr || scaledSize_.cx != width || scaledSize_.cy != height) {
            Scale(width, height);
        }
        const BitmapDc memory(dc, scaled_.Get());
        if (memory.Get() != nullptr && scaled_.Get() != nullptr) {
            BitBlt(dc, 0, 0, width, height, memory.Get(), 0, 0, SRCCOPY);
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
