// support/wide_text_win32.cpp
#include <windows.h>

#include "support/wide_text.h"

std::wstring WideFromText(const Text& text) {
    const int length = MultiByteToWideChar(CP_ACP, MB_ERR_INVALID_CHARS, text.Data(),
                                           static_cast<int>(text.Length()), nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(length > 0 ? length : 0), L'\0');
    if (length > 0) {
        MultiByteToWideChar(CP_ACP, MB_ERR_INVALID_CHARS, text.Data(),
                            static_cast<int>(text.Length()), wide.data(), length);
    }
    return wide;
}

bool TextFromWide(std::wstring_view wide, Text& text) {
    if (wide.empty()) {
        text.Clear();
        return true;
    }
    // UTF-8 holds every name and takes no best-fit flag or default character (the call fails
    // with them); only an unpaired surrogate cannot be converted.
    const bool utf8 = GetACP() == CP_UTF8;
    const DWORD flags = utf8 ? WC_ERR_INVALID_CHARS : WC_NO_BEST_FIT_CHARS;
    BOOL usedDefault = FALSE;
    BOOL* const defaultFlag = utf8 ? nullptr : &usedDefault;
    const int count = static_cast<int>(wide.size());
    const int length =
        WideCharToMultiByte(CP_ACP, flags, wide.data(), count, nullptr, 0, nullptr, defaultFlag);
    if (length <= 0 || usedDefault) {
        return false;
    }
    std::string bytes(static_cast<std::size_t>(length), '\0');
    WideCharToMultiByte(CP_ACP, flags, wide.data(), count, bytes.data(), length, nullptr,
                        defaultFlag);
    if (usedDefault) {
        return false;
    }
    text.Assign(bytes);
    return true;
}
