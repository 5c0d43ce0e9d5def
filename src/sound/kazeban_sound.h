/* The KAZEBAN sound library: a shared library of its own with a plain C interface.
 * It opens the platform's audio output for the program, keeps copies of wave images
 * in buffers, and plays, loops, stops and frees them by handle while the program goes
 * on; it mixes every playing buffer itself into one output stream (44.1 kHz, stereo,
 * 16-bit). A handle of 0 means "no sound": every buffer function accepts it, and any
 * handle it did not give out (or has freed, or gave out before dsTerminate), and then
 * does nothing, so callers never need to test a handle before using it.
 *
 * The library keeps one instance per process: the program opens it once. Calls may come
 * from any thread; each returns at once, and playing goes on in the audio thread.
 * Results: the handles as described, otherwise 1 when the call did something and 0 when
 * it did nothing. */
#ifndef KAZEBAN_SOUND_H
#define KAZEBAN_SOUND_H

#include <stdint.h>

#if defined(__GNUC__)
#define KAZEBAN_SOUND_API __attribute__((visibility("default")))
#else
#define KAZEBAN_SOUND_API
#endif

#ifdef __cplusplus
extern "C" {
#endif

/* Opens the audio output for the program's window; returns a library handle, or 0
 * when no audio output can be opened. While the library is open, a further call
 * returns the same handle. The window is not needed on this platform. */
KAZEBAN_SOUND_API int32_t dsInitialize(int32_t window);

/* Copies a complete RIFF/WAVE image (header and data) into a new buffer and returns
 * its handle, or 0 when the library is not open under that handle or the image is not
 * a wave the library can play (PCM, 8 or 16 bits, mono or stereo, 4000 to 192000 Hz,
 * well-formed chunks, some data). The caller guarantees that the image holds the whole
 * size its RIFF header declares; the library never reads beyond that size. The image
 * may be released as soon as the call returns. `options` is 3 for effects, 1 for the
 * tune and the end-of-game sound; every buffer plays the same way whatever it is. */
KAZEBAN_SOUND_API int32_t dsCreateDSB(int32_t library, const void* image, int32_t options);

/* Plays the buffer once from its start, returning at once; a buffer that is playing
 * starts again from its start. */
KAZEBAN_SOUND_API int32_t dsPlay(int32_t buffer);

/* Plays the buffer from its start over and over, without a gap at the seam, until
 * dsStop or dsFree. */
KAZEBAN_SOUND_API int32_t dsPlayLooping(int32_t buffer);

/* Silences the buffer and rewinds it. */
KAZEBAN_SOUND_API int32_t dsStop(int32_t buffer);

/* Releases the buffer, also while it plays. */
KAZEBAN_SOUND_API int32_t dsFree(int32_t buffer);

/* Closes the audio output and releases every buffer that is left; later calls with
 * the old handles do nothing. */
KAZEBAN_SOUND_API int32_t dsTerminate(int32_t library);

#ifdef __cplusplus
}
#endif

#endif /* KAZEBAN_SOUND_H */
