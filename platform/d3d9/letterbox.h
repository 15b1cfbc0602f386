// Where the back buffer lands in a window of another shape: as large as fits, its shape
// kept, centred, with black bars on the two sides that are left over.
#pragma once

namespace d3d9 {

struct ScreenRect {
    int x = 0;  // window pixels from the left
    int y = 0;  // window pixels from the bottom, as OpenGL counts
    int width = 0;
    int height = 0;
};

// An empty rect when either size is not positive.
ScreenRect LetterboxRect(int windowWidth, int windowHeight, int pictureWidth, int pictureHeight);

}  // namespace d3d9
