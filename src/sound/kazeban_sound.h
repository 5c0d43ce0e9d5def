/* The KAZEBAN sound library: a shared library of its own with a plain C interface.
 * It opens the platform's audio output for the program, keeps copies of wave images
 * in buffers, and plays, loops, stops and frees them by handle while the program goes
 * on. A handle of 0 means "no sound": every buffer function accepts it and does
 * nothing, so callers never need to test a handle before using it. */
#ifndef KAZEBAN_SOUND_H
#define KAZEBAN_SOUND_H

#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

/* Opens the audio output for the program's window; returns a library handle, or 0
 * when no audio output can be opened. */
int32_t dsInitialize(int32_t window);

/* Copies a complete RIFF/WAVE image (header and data) into a new buffer and returns
 * its handle, or 0 when the image is not a wave the library can play. The caller
 * guarantees that the image holds the whole size its RIFF header declares; the
 * library never reads beyond that size. `options` is 3 for effects, 1 for the tune
 * and the end-of-game sound. */
int32_t dsCreateDSB(int32_t library, const void* image, int32_t options);

/* Plays the buffer once from its start, returning at once. */
int32_t dsPlay(int32_t buffer);

/* Plays the buffer over and over until dsStop or dsFree. */
int32_t dsPlayLooping(int32_t buffer);

/* Silences the buffer. */
int32_t dsStop(int32_t buffer);

/* Releases the buffer, also while it plays. */
int32_t dsFree(int32_t buffer);

/* Closes the library for the program, releasing whatever is left. */
int32_t dsTerminate(int32_t library);

#ifdef __cplusplus
}
#endif

#endif /* KAZEBAN_SOUND_H */
