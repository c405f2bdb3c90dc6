/* Corvane: the blending and particle library of Orbweave (libcorvane.so).
 *
 * Fourteen C functions, listed in the order of the library's export table.
 * Addresses are pointers and byte offsets are pointer-sized; every other
 * argument is a 32-bit integer or a single-precision number. A few integers
 * are used as 16-bit values (their low 16 bits, as a signed number): this is
 * said where it applies. No function allocates memory or reports an error;
 * every buffer belongs to the caller and must be large enough for the call.
 */
#ifndef CORVANE_CORVANE_H
#define CORVANE_CORVANE_H

#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

/* One star of the star-array engine: position, velocity and two values the
 * library neither reads nor writes. */
typedef struct CorvaneStar {
    float x, y, z;
    float vx, vy, vz;
    float spare[2];
} CorvaneStar;

/* One gravity well of SetPlotGravWellsArray. */
typedef struct CorvaneWell {
    float x, y, z;
    float strength;
} CorvaneWell;

/* The 25-word frame record of PlotCycleStarfield, passed by value. */
typedef struct CorvaneStarfieldFrame {
    int32_t starCount;
    float* x;
    float* y;
    float* z; /* distance from the viewer; only z > 0 is drawn */
    float* vx;
    float* vy;
    float* vz;
    uint32_t* colour;     /* per star, plain mode */
    int16_t* hue;         /* per star, halo mode */
    const float* splineX; /* splinePointCount + 3 control points each */
    const float* splineY;
    const float* splineZ;
    float cameraSpeedZ; /* subtracted from every star's z each frame */
    float keepProbability;
    float hueOffset;
    float accelY; /* added to vy each frame */
    int32_t hueSpread;
    int32_t splinePointCount; /* used as 16-bit */
    int32_t splineSegments;   /* used as 16-bit */
    float splineBiasExp;
    float splinePhase;
    float emitSpeed;
    float expandFactor;
    float splineProbability;
    float spread;
} CorvaneStarfieldFrame;

/* The 32-word frame record of SetPlotCycleStarArray, passed by value. */
typedef struct CorvaneStarArrayFrame {
    int32_t centreX;
    int32_t centreY;
    int32_t xLimit; /* drawn when 1 <= x < xLimit */
    int32_t pitch;  /* pixels per row of pixelBuffer */
    int32_t minY;   /* drawn when minY < y < maxY */
    int32_t maxY;
    const uint32_t* colourTable; /* 1024 colours */
    uint32_t* pixelBuffer;
    int32_t starCount;
    CorvaneStar* stars;
    int32_t* framesLeft; /* per star; 0 or less re-creates the star */
    uint32_t* colour;    /* per star */
    int32_t unused;
    const float* splineX; /* splinePointCount + 3 control points each */
    const float* splineY;
    const float* splineZ;
    float cameraSpeedZ;
    float keepProbability;
    float hueOffset;
    float accelY;
    int32_t hueSpread;
    int32_t shapeType;     /* velocity pattern of new stars, 0..13 */
    int32_t advance;       /* frames a new star is moved ahead at birth */
    int32_t keepBiasTable; /* 0 rebuilds the in-segment bias table */
    int32_t splinePointCount;
    int32_t splineSegments;
    float splineBiasExp;
    float splinePhase;
    float emitSpeed;
    float expandFactor;
    float splineProbability;
    float spread;
} CorvaneStarArrayFrame;

/* 1-4: blend the 32-bit work image in place and write it into a 15-, 16-,
 * 24- or 32-bit surface. Factor 720 copies and clears instead of blending.
 * The result carries no meaning. */
int32_t BlendPixelLongRGB15(void* surfaceStart, const void* surfaceEnd, uint32_t* workStart, int32_t rowLength,
                            int32_t pitch, int32_t factor, intptr_t offsetA, intptr_t offsetB);
int32_t BlendPixelLongRGB16(void* surfaceStart, const void* surfaceEnd, uint32_t* workStart, int32_t rowLength,
                            int32_t pitch, int32_t factor, intptr_t offsetA, intptr_t offsetB);
int32_t BlendPixelLongRGB24(void* surfaceStart, const void* surfaceEnd, uint32_t* workStart, int32_t rowLength,
                            int32_t pitch, int32_t factor, intptr_t offsetA, intptr_t offsetB);
int32_t BlendPixelLongRGB32(void* surfaceStart, const void* surfaceEnd, uint32_t* workStart, int32_t rowLength,
                            int32_t pitch, int32_t factor, intptr_t offsetA, intptr_t offsetB);

/* 5: blend an 8-bit buffer of `rows` rows of `pitch` bytes in place. */
int32_t BlendPaletteByteArray(uint8_t* buffer, int32_t ignored, int32_t rows, int32_t pitch, int32_t factor,
                              int32_t shift);

/* 6: set `count` points strictly inside the limits; returns 0. */
int32_t SetPixelLongRGB32(uint32_t* buffer, int32_t xLimit, int32_t yLimit, int32_t pitch, int32_t count,
                          const int32_t* xArray, const int32_t* yArray, const uint32_t* colourArray);

/* 7-10: the starfield and gravity-well plotter. haloHueStep, centreX and
 * centreY of SetGlobalStarfield, and wellCount, colourMode, dualPlot,
 * secondHueOffset, centreX and centreY of SetGlobalGravWells, are used as
 * 16-bit values, as is colourOffset of PlotCycleGravWells. */
int32_t PlotCycleStarfield(CorvaneStarfieldFrame frame);
int32_t SetGlobalStarfield(int32_t haloHueStep, int32_t centreX, int32_t centreY, int32_t ignored, int32_t xLimit,
                           int32_t pitch, int32_t minY, int32_t maxY, const uint32_t* colourTable,
                           uint32_t* pixelBuffer);
int32_t PlotCycleGravWells(int32_t count, float* x, float* y, float* z, float* vx, float* vy, float* vz,
                           float* prevSpeed, const float* wellX, const float* wellY, const float* wellZ,
                           const float* wellStrength, int32_t colourScale, int32_t colourOffset);
int32_t SetGlobalGravWells(int32_t wellCount, int32_t colourMode, int32_t dualPlot, float focal, float secondOffsetX,
                           int32_t secondHueOffset, int32_t centreX, int32_t centreY, int32_t ignored, int32_t xLimit,
                           int32_t pitch, int32_t minY, int32_t maxY, const uint32_t* colourTable,
                           uint32_t* pixelBuffer);

/* 11-12: the star-array engine. */
int32_t SetPlotCycleStarArray(CorvaneStarArrayFrame frame);
int32_t SetPlotGravWellsArray(int32_t wellCount, int32_t colourMode, int32_t dualPlot, float focal, float secondOffsetX,
                              int32_t secondHueOffset, int32_t centreX, int32_t centreY, int32_t ignored,
                              int32_t xLimit, int32_t pitch, int32_t minY, int32_t maxY, const uint32_t* colourTable,
                              uint32_t* pixelBuffer, int32_t count, CorvaneStar* stars, const CorvaneWell* wells,
                              int32_t colourScale, int32_t colourOffset);

/* 13: fill the library's random table (the same table in every process). */
int32_t InitRandomArray(void);

/* 14: a timing loop; returns 0 when count > 0, else count. */
int32_t TestingPerformance(int32_t count, int32_t ignored);

/* Function pointer types, for callers that look the functions up by name. */
typedef int32_t (*CorvaneBlendFn)(void*, const void*, uint32_t*, int32_t, int32_t, int32_t, intptr_t, intptr_t);
typedef int32_t (*CorvaneBlendPaletteFn)(uint8_t*, int32_t, int32_t, int32_t, int32_t, int32_t);
typedef int32_t (*CorvaneSetPixelFn)(uint32_t*, int32_t, int32_t, int32_t, int32_t, const int32_t*, const int32_t*,
                                     const uint32_t*);
typedef int32_t (*CorvanePlotCycleStarfieldFn)(CorvaneStarfieldFrame);
typedef int32_t (*CorvaneSetGlobalStarfieldFn)(int32_t, int32_t, int32_t, int32_t, int32_t, int32_t, int32_t, int32_t,
                                               const uint32_t*, uint32_t*);
typedef int32_t (*CorvanePlotCycleGravWellsFn)(int32_t, float*, float*, float*, float*, float*, float*, float*,
                                               const float*, const float*, const float*, const float*, int32_t,
                                               int32_t);
typedef int32_t (*CorvaneSetGlobalGravWellsFn)(int32_t, int32_t, int32_t, float, float, int32_t, int32_t, int32_t,
                                               int32_t, int32_t, int32_t, int32_t, int32_t, const uint32_t*, uint32_t*);
typedef int32_t (*CorvaneSetPlotCycleStarArrayFn)(CorvaneStarArrayFrame);
typedef int32_t (*CorvaneSetPlotGravWellsArrayFn)(int32_t, int32_t, int32_t, float, float, int32_t, int32_t, int32_t,
                                                  int32_t, int32_t, int32_t, int32_t, int32_t, const uint32_t*,
                                                  uint32_t*, int32_t, CorvaneStar*, const CorvaneWell*, int32_t,
                                                  int32_t);
typedef int32_t (*CorvaneInitRandomArrayFn)(void);
typedef int32_t (*CorvaneTestingPerformanceFn)(int32_t, int32_t);

#ifdef __cplusplus
}
#endif

#endif
