// payloads/plugin/pigmora.cpp
#include "payloads/plugin/pigmora.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>

namespace {

struct Hsv {
    double h, s, v;
};

Hsv ToHsv(double r, double g, double b) {
    const double high = std::max({r, g, b});
    const double low = std::min({r, g, b});
    const double range = high - low;
    double h = 0;
    if (range > 0) {
        if (high == r) {
            h = 60 * std::fmod((g - b) / range, 6.0);
        } else if (high == g) {
            h = 60 * ((b - r) / range + 2);
        } else {
            h = 60 * ((r - g) / range + 4);
        }
    }
    return {h < 0 ? h + 360 : h, high > 0 ? range / high : 0, high};
}

void FromHsv(const Hsv& c, double& r, double& g, double& b) {
    const double chroma = c.v * c.s;
    const double x = chroma * (1 - std::fabs(std::fmod(c.h / 60, 2.0) - 1));
    const double m = c.v - chroma;
    const int sector = static_cast<int>(c.h / 60) % 6;
    const double table[6][3] = {{chroma, x, 0}, {x, chroma, 0}, {0, chroma, x},
                                {0, x, chroma}, {x, 0, chroma}, {chroma, 0, x}};
    r = table[sector][0] + m;
    g = table[sector][1] + m;
    b = table[sector][2] + m;
}

std::uint8_t Quantise(double value, int levels) {
    value = std::clamp(value, 0.0, 1.0);
    if (levels < 256) {
        value = std::round(value * (levels - 1)) / (levels - 1);
    }
    return static_cast<std::uint8_t>(std::lround(value * 255));
}

}  // namespace

extern "C" {

const char* PigmoraName(void) {
    return "Tarvelle Pigmora Demo";
}

uint32_t PigmoraVersion(void) {
    return 0x00010000u;
}

int32_t PigmoraApply(uint8_t* bgra, int32_t width, int32_t height, int32_t stride,
                     const PigmoraParameters* p) {
    if (bgra == nullptr || width <= 0 || height <= 0 || stride < width * 4) {
        return -1;
    }
    if (p == nullptr || p->levels < 2 || p->levels > 256 || p->hueShift < -180 ||
        p->hueShift > 180 || p->saturation < 0 || p->saturation > 200 || p->grain < 0 ||
        p->grain > 64) {
        return -2;
    }
    const bool identity =
        p->levels == 256 && p->hueShift == 0 && p->saturation == 100 && p->grain == 0;
    if (identity) {
        return 0;
    }
    std::uint32_t state = p->seed | 1u;
    for (int32_t y = 0; y < height; ++y) {
        std::uint8_t* pixel = bgra + static_cast<std::ptrdiff_t>(y) * stride;
        for (int32_t x = 0; x < width; ++x, pixel += 4) {
            Hsv colour = ToHsv(pixel[2] / 255.0, pixel[1] / 255.0, pixel[0] / 255.0);
            colour.h = std::fmod(colour.h + p->hueShift + 360, 360.0);
            colour.s = std::clamp(colour.s * p->saturation / 100.0, 0.0, 1.0);
            // Paper grain: a xorshift sequence, so the same seed gives the same paper.
            state ^= state << 13;
            state ^= state >> 17;
            state ^= state << 5;
            const double grain = ((state & 0xFF) / 255.0 - 0.5) * p->grain / 255.0;
            colour.v = std::clamp(colour.v + grain, 0.0, 1.0);
            double r = 0, g = 0, b = 0;
            FromHsv(colour, r, g, b);
            pixel[2] = Quantise(r, p->levels);
            pixel[1] = Quantise(g, p->levels);
            pixel[0] = Quantise(b, p->levels);
        }
    }
    return 0;
}

}  // extern "C"
