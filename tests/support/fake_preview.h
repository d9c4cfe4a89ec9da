#pragma once
// A preview library that plays nothing: Play blocks until Stop or DestroyPreviewWindow, as
// the real one does for a file that never ends. For tests of what the windows do while a
// preview runs.
#include "preview/PreviewLibrary.h"

namespace vc::test {

const PreviewFunctions& FakePreviewLibrary();

}  // namespace vc::test
