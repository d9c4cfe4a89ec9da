#pragma once
// Loads libPreview.so with dlopen and resolves its seven functions.
#include <string>

// Relative to this file: src/preview holds the program's own, differently named headers.
#include "../../components/preview/preview.h"

namespace vc {

struct PreviewFunctions {
    InitPreviewWindowFn InitPreviewWindow = nullptr;
    SetEventFuntionFn SetEventFuntion = nullptr;
    SeekFn Seek = nullptr;
    PlayFn Play = nullptr;
    PauseFn Pause = nullptr;
    StopFn Stop = nullptr;
    DestroyPreviewWindowFn DestroyPreviewWindow = nullptr;
};

// Loads `directory` + "libPreview.so" (directory ending with "/"; empty = ProgramDirectory()).
// On failure returns false and puts a message naming the library or the missing function into
// `error`. The library stays loaded for the rest of the process.
bool LoadPreviewLibrary(PreviewFunctions* functions, std::string* error,
                        const std::string& directory = std::string());

}  // namespace vc
