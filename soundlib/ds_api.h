/* The seven entry points of the sound library "Xantuペカナ将棋", shared by the
 * library itself and by the program that loads it at run time. Every value is
 * a 32-bit integer; 0 is "no device" / "no buffer" and any call given a 0
 * handle does nothing. */
#ifndef XANTU_SOUNDLIB_DS_API_H
#define XANTU_SOUNDLIB_DS_API_H

#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

/* Opens the audio output; returns the device handle, 0 when no output can be opened. */
typedef int32_t (*DsInitializeFn)(int32_t window);
/* Makes a buffer from a whole RIFF/WAVE file image (the data is copied, the
 * caller may release its bytes afterwards). Returns the buffer handle or 0. */
typedef int32_t (*DsCreateDsbFn)(int32_t device, const uint8_t* wavImage, int32_t flag);
/* Starts the buffer from its beginning, once or looping; returns at once.
 * A buffer that is already playing starts over. */
typedef int32_t (*DsPlayFn)(int32_t buffer);
typedef int32_t (*DsPlayLoopingFn)(int32_t buffer);
/* Silences exactly this buffer. */
typedef int32_t (*DsStopFn)(int32_t buffer);
/* Stops and releases the buffer; its handle becomes invalid. */
typedef int32_t (*DsFreeFn)(int32_t buffer);
/* Releases every buffer still held and closes the device. */
typedef int32_t (*DsTerminateFn)(int32_t device);

#ifdef __cplusplus
}
#endif

#endif
