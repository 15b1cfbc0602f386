// The picture rectangle of a present.
#include "letterbox.h"

#include <cstdint>

namespace d3d9 {

ScreenRect LetterboxRect(int windowWidth, int windowHeight, int pictureWidth, int pictureHeight)
{
    ScreenRect rect;
    if (windowWidth <= 0 || windowHeight <= 0 || pictureWidth <= 0 || pictureHeight <= 0) return rect;
    // Compare windowWidth / windowHeight with pictureWidth / pictureHeight without division.
    const int64_t wide = int64_t(windowWidth) * pictureHeight;
    const int64_t tall = int64_t(windowHeight) * pictureWidth;
    if (wide > tall) {
        rect.height = windowHeight;
        rect.width = int(tall / pictureHeight);
    } else {
        rect.width = windowWidth;
        rect.height = int(wide / pictureWidth);
    }
    rect.x = (windowWidth - rect.width) / 2;
    rect.y = (windowHeight - rect.height) / 2;
    return rect;
}

}  // namespace d3d9
