#pragma once
// The preview library libPreview.so, loaded with dlopen from the program folder so that the
// program keeps working, without previews, when it is missing.
#include <string>

#include "preview/preview.h"

namespace vc {

struct PreviewFunctions {
    InitPreviewWindowFn InitPreviewWindow = nullptr;
    SetEventFuntionFn SetEventFuntion = nullptr;
    SeekFn Seek = nullptr;
    PlayFn Play = nullptr;
    PauseFn Pause = nullptr;
    StopFn Stop = nullptr;
    DestroyPreviewWindowFn DestroyPreviewWindow = nullptr;
    // Optional: a library without it plays the tracks the player picks.
    SetTracksFn SetTracks = nullptr;
};

// Loads `directory` + "libPreview.so" (empty directory = ProgramDirectory()) and resolves its
// seven functions. On failure returns false and puts a message naming the library or the
// missing function into `error`. A loaded library stays loaded for the rest of the process.
bool LoadPreviewLibrary(PreviewFunctions* functions, std::string* error,
                        const std::string& directory = std::string());

// The program's binding: the library of the program folder, loaded on first use and kept.
// Null, with the reason in `error`, when it cannot be loaded; a later call tries again.
const PreviewFunctions* ProgramPreviewLibrary(std::string* error);

}  // namespace vc
