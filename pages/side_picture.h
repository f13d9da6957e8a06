// pages/side_picture.h
#pragma once

#include <windows.h>

#include <cstdint>
#include <vector>

#include "pages/control_hook.h"

// The picture at the side of every page, painted to fill its control at whatever size the
// display's scaling gives the control: the large copy of the picture, scaled down (and cut to
// the control's proportions) with the system's smoothing, instead of the template's bitmap
// shown at its own size in the middle of a larger box.
class SidePicture : private ControlHook {
public:
    SidePicture() = default;
    ~SidePicture() override;

    // Takes over the picture control (null: nothing to do) until destruction or its end.
    void Attach(HWND control);

private:
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void Paint();
    bool LoadSource();
    void Scale(int width, int height);
    void ForgetScaled();

    // The large picture, decoded once: top row first, blue, green, red and a byte unused.
    std::vector<std::uint8_t> source_;
    int sourceWidth_ = 0;
    int sourceHeight_ = 0;
    // The picture at the control's size, made again when that changes.
    HBITMAP scaled_ = nullptr;
    SIZE scaledSize_{};
};
