// payloads/shell/message_font_win32.cpp
#include "payloads/shell/message_font.h"

#include "support/window_dpi_win32.h"

MessageFont::MessageFont(UINT dpi) {
    const LOGFONTW font = MessageFontAt(dpi);
    font_.Reset(CreateFontIndirectW(&font));
}
