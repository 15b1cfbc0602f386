// Where a cell of a texture shows anything: for drawing only those parts of it, where the
// blend leaves the target as it is under transparent black.
#include <algorithm>

#include "resources.h"

namespace d3d9 {

namespace {

bool BlockIsClear(const std::vector<uint32_t>& pixels, UINT width, LONG left, LONG top, LONG right, LONG bottom)
{
    for (LONG y = top; y < bottom; ++y) {
        const uint32_t* row = pixels.data() + size_t(y) * width;
        if (std::any_of(row + left, row + right, [](uint32_t texel) { return texel != 0; })) return false;
    }
    return true;
}

}  // namespace

const std::vector<RECT>* MemoryTexture::VisibleRuns(const RECT& cell)
{
    if (format_ == D3DFMT_X8R8G8B8 || cell.left < 0 || cell.top < 0 || cell.right > LONG(width_) ||
        cell.bottom > LONG(height_) || cell.left >= cell.right || cell.top >= cell.bottom)
        return nullptr;
    if (visibleRunsVersion_ != Version()) {
        visibleRuns_.clear();
        visibleRunsVersion_ = Version();
    }
    for (const CellRuns& known : visibleRuns_) {
        if (known.cell.left == cell.left && known.cell.top == cell.top && known.cell.right == cell.right &&
            known.cell.bottom == cell.bottom)
            return &known.runs;
    }
    // A game draws a few dozen cells; one drawing ever new ones starts afresh.
    constexpr size_t kRememberedCells = 256;
    if (visibleRuns_.size() == kRememberedCells) visibleRuns_.clear();
    CellRuns made{cell, {}};
    const LONG width = cell.right - cell.left, height = cell.bottom - cell.top;
    for (LONG top = 0; top < height; top += kBlock) {
        const LONG bottom = std::min(top + kBlock, height);
        std::vector<RECT> row;
        for (LONG left = 0; left < width; left += kBlock) {
            const LONG right = std::min(left + kBlock, width);
            if (BlockIsClear(pixels_, width_, cell.left + left, cell.top + top, cell.left + right, cell.top + bottom))
                continue;
            if (!row.empty() && row.back().right == left)
                row.back().right = right;
            else
                row.push_back({left, top, right, bottom});
        }
        // A run under one of the same span grows it: every quad's diagonal shades its 4x4
        // blocks twice, so fewer and squarer quads shade less.
        for (const RECT& run : row) {
            const auto above = std::find_if(made.runs.begin(), made.runs.end(), [&](const RECT& known) {
                return known.bottom == top && known.left == run.left && known.right == run.right;
            });
            if (above != made.runs.end())
                above->bottom = bottom;
            else
                made.runs.push_back(run);
        }
    }
    visibleRuns_.push_back(std::move(made));
    return &visibleRuns_.back().runs;
}

}  // namespace d3d9
