#pragma once
// A preview library that plays nothing: Play blocks until Stop or DestroyPreviewWindow, as
// the real one does for a file that never ends. For tests of what the windows do while a
// preview runs.
#include <string>

#include "preview/PreviewLibrary.h"

namespace vc::test {

const PreviewFunctions& FakePreviewLibrary();

// What the last SetTracks call of the fake library asked for.
struct FakeTracks {
    int sound = -1;
    int subtitle = -1;
    std::string subtitleFile;
};
FakeTracks LastFakeTracks();

}  // namespace vc::test
