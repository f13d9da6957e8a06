/* payloads/plugin/pigmora.h
   The Tarvelle Pigmora plug-in's C interface: a "pigment" colour effect on 32-bit BGRA images. */
#ifndef TARVELLE_PIGMORA_H
#define TARVELLE_PIGMORA_H

#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

#if defined(_WIN32) && defined(PIGMORA_BUILD)
#define PIGMORA_API __declspec(dllexport)
#elif defined(_WIN32) && !defined(PIGMORA_STATIC)
#define PIGMORA_API __declspec(dllimport)
#else
#define PIGMORA_API
#endif

/* One preset's parameters, as the presets file names them. */
typedef struct PigmoraParameters {
    int32_t levels;     /* colour levels per channel, 2..256; 256 keeps every level */
    int32_t hueShift;   /* degrees, -180..180 */
    int32_t saturation; /* percent, 0..200; 100 keeps it */
    int32_t grain;      /* paper grain strength, 0..64 */
    uint32_t seed;      /* seed of the grain */
} PigmoraParameters;

/* "Tarvelle Pigmora Demo" */
PIGMORA_API const char* PigmoraName(void);
/* 0x00010000 for 1.0 */
PIGMORA_API uint32_t PigmoraVersion(void);
/* Applies the effect in place. 0 on success; -1 for a bad image, -2 for a bad parameter. */
PIGMORA_API int32_t PigmoraApply(uint8_t* bgra, int32_t width, int32_t height, int32_t stride,
                                 const PigmoraParameters* parameters);

#ifdef __cplusplus
}
#endif

#endif
