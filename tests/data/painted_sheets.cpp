// Painting each sheet once for all the tests that look at it.
#include "painted_sheets.h"

#include <algorithm>
#include <memory>

SheetTexture::SheetTexture(const sheets::Canvas& canvas)
    : width(canvas.Width()), height(canvas.Height()), rgb(canvas.Rgb8())
{
}

const SheetTexture& SheetAsLoaded(SheetIndex index)
{
    static std::unique_ptr<SheetTexture> loaded[sheets::kSheets.size()];
    if (!loaded[index]) loaded[index] = std::make_unique<SheetTexture>(sheets::kSheets[index].paint());
    return *loaded[index];
}

Ink InkIn(const SheetTexture& sheet, sheets::Rect rect)
{
    Ink ink;
    for (int y = rect.top; y < rect.bottom; ++y) {
        for (int x = rect.left; x < rect.right; ++x) {
            const std::uint8_t* p = &sheet.rgb[(std::size_t(y) * sheet.width + x) * 3];
            const int brightest = std::max({p[0], p[1], p[2]});
            if (brightest == 0) continue;
            ++ink.texels;
            ink.brightest = std::max(ink.brightest, brightest);
        }
    }
    return ink;
}
