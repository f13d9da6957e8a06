// pages/side_picture.h
#pragma once

#include <windows.h>

#include <cstdint>
#include <vector>

#include "pages/control_hook.h"
#include "support/gdi_object_win32.h"

// The large picture, decoded once for the whole run: top row first, blue, green, red and a byte
// unused.
struct DecodedPicture {
    std::vector<std::uint8_t> pixels;
    int width = 0;
    int height = 0;
};

// Starts decoding the large picture on a thread of its own, so that it goes on while the program
// loads the system's libraries and builds its first page; called once, first thing. A page that
// needs the picture before then starts it itself.
void StartDecodingSidePicture();

// The picture at the side of every page, filling its control at whatever size the display's
// scaling gives it: the large copy, scaled down with the system's smoothing (and cut to the
// control's proportions), not the template's bitmap at its own size in a larger box.
class SidePicture : private ControlHook {
public:
    // Takes over the picture control (null: nothing to do) until destruction or its end.
    void Attach(HWND control);

private:
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void Paint();
    void Scale(int width, int height);

    // Null when the picture could not be decoded.
    const DecodedPicture* source_ = nullptr;
    // The picture at the control's size, made again when that changes.
    GdiObject<HBITMAP> scaled_;
    SIZE scaledSize_{};
};
