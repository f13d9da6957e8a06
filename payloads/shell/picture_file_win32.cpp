// payloads/shell/picture_file_win32.cpp
// Pictures other than BMP (PNG, JPEG, ...) through the Windows Imaging Component.
#include <windows.h>

#include <wincodec.h>

#include "payloads/shell/bitmap_file.h"
#include "payloads/shell/picture_file.h"
#include "support/com_pointer.h"
#include "support/com_scope.h"
#include "support/text.h"
#include "support/wide_text.h"

namespace {

bool EndsWithBmp(const std::string& path) {
    return path.size() >= 4 && EqualsNoCase(std::string_view(path).substr(path.size() - 4), ".bmp");
}

bool DecodeWithImagingComponent(const std::string& path, Image& image, std::string& error) {
    const ComScope com;
    ComPointer<IWICImagingFactory> factory;
    const std::wstring widePath = WideFromText(Text(path));
    if (widePath.empty() ||
        FAILED(CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER,
                                IID_IWICImagingFactory, factory.OutVoid()))) {
        error = "the Windows Imaging Component is not available for " + path;
        return false;
    }
    ComPointer<IWICBitmapDecoder> decoder;
    ComPointer<IWICBitmapFrameDecode> frame;
    ComPointer<IWICFormatConverter> converter;
    UINT width = 0;
    UINT height = 0;
    if (FAILED(factory->CreateDecoderFromFilename(widePath.c_str(), nullptr, GENERIC_READ,
                                                  WICDecodeMetadataCacheOnDemand, decoder.Out())) ||
        FAILED(decoder->GetFrame(0, frame.Out())) ||
        FAILED(factory->CreateFormatConverter(converter.Out())) ||
        FAILED(converter->Initialize(frame.Get(), GUID_WICPixelFormat32bppBGRA,
                                     WICBitmapDitherTypeNone, nullptr, 0.0,
                                     WICBitmapPaletteTypeCustom)) ||
        FAILED(converter->GetSize(&width, &height)) || width == 0 || height == 0 || width > 16384 ||
        height > 16384) {
        error = path + " is not a picture this computer can read";
        return false;
    }
    image.width = static_cast<int32_t>(width);
    image.height = static_cast<int32_t>(height);
    image.bgra.assign(static_cast<std::size_t>(width) * height * 4, 0);
    if (FAILED(converter->CopyPixels(nullptr, width * 4, static_cast<UINT>(image.bgra.size()),
                                     image.bgra.data()))) {
        error = path + " could not be decoded";
        return false;
    }
    return true;
}

}  // namespace

bool ReadPicture(const std::string& path, Image& image, std::string& error) {
    return EndsWithBmp(path) ? ReadBitmap(path, image, error)
                             : DecodeWithImagingComponent(path, image, error);
}
