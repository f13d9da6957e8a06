// payloads/shell/message_font.h
#pragma once

#include <windows.h>

#include "support/gdi_object_win32.h"

// The desktop's message font at one monitor's dots per inch: what the shell writes its controls
// and its status line in. Deleted with the object, so the controls drawn in it must have a
// successor set first.
class MessageFont {
public:
    explicit MessageFont(UINT dpi);

    // Null when the font could not be made: the controls then keep the system's.
    HFONT Handle() const { return font_.Get(); }

private:
    GdiObject<HFONT> font_;
};
