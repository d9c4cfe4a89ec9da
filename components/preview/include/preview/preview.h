#pragma once
// libPreview.so: plays one media file into a panel of the program, with a plain C interface so
// that the program can load it with dlopen. See README.md beside this file for the threading rules.
#include <stdint.h>

#if defined(__GNUC__)
#define PREVIEW_API __attribute__((visibility("default")))
#else
#define PREVIEW_API
#endif

#ifdef __cplusplus
extern "C" {
#endif

// Prepares the video output inside the X11 window `wid` (0: no picture) of the given size.
// Ends and releases any output prepared before.
PREVIEW_API void InitPreviewWindow(uint64_t wid, int32_t width, int32_t height);

// From now on `callback` receives the playback position in seconds, on a thread of the library.
// It must only store the value; it may not call back into the library. Null switches it off.
PREVIEW_API void SetEventFuntion(void (*callback)(double position));

// Moves playback to `seconds` from the start of the stream; before Play it sets where the next
// playback of this output starts. Negative values count as 0.
PREVIEW_API void Seek(int32_t seconds);

// Plays `path` and returns when the file has ended or Stop was called. On the thread that owns
// the QCoreApplication it runs a nested event loop meanwhile; elsewhere it just waits.
PREVIEW_API void Play(const char* path);

// Chooses what the next Play calls of this output play: `sound` is the place of the sound
// track among the file's sound tracks from 1 (0: the player's own pick), `subtitle` the place
// of the subtitle among the file's subtitle streams from 1, followed by `subtitleFile` when
// that is given (0: no subtitle). Before SetTracks, the player picks both itself.
PREVIEW_API void SetTracks(int32_t sound, int32_t subtitle, const char* subtitleFile);

// Toggles between paused and playing.
PREVIEW_API void Pause(void);

// Ends the playback so that Play returns.
PREVIEW_API void Stop(void);

// Ends any playback and releases the video output; a second call does nothing.
PREVIEW_API void DestroyPreviewWindow(void);

#ifdef __cplusplus
}
#endif

// Function types for users that resolve the functions with dlsym.
typedef void (*InitPreviewWindowFn)(uint64_t, int32_t, int32_t);
typedef void (*SetEventFuntionFn)(void (*)(double));
typedef void (*SeekFn)(int32_t);
typedef void (*PlayFn)(const char*);
typedef void (*PauseFn)(void);
typedef void (*StopFn)(void);
typedef void (*DestroyPreviewWindowFn)(void);
typedef void (*SetTracksFn)(int32_t, int32_t, const char*);
