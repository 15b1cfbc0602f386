// The back buffer: an offscreen framebuffer of the size the game asked for, or the window's
// own when that is of the same size and as good (drawn straight into, with no copy). Its
// colour has no alpha channel (as D3DFMT_X8R8G8B8 has none), so a blend factor of
// destination alpha reads 1 and the game's glow blends add light.
#pragma once

#include <cstdint>
#include <vector>

#include "d3d9.h"
#include "gl_context.h"
#include "letterbox.h"

namespace d3d9 {

class GlBackBuffer {
public:
    // depthFormat: D3DFMT_D16, D3DFMT_D24S8, or D3DFMT_UNKNOWN for no depth buffer.
    // False (and nothing made) when the driver cannot make it. The context must be current.
    bool Create(const GlFunctions& gl, UINT width, UINT height, D3DFORMAT depthFormat);
    // The window's framebuffer, bound, as the back buffer: false (and nothing changed) when
    // it has an alpha channel or less depth or stencil than asked for. Its size must be
    // the back buffer's.
    bool UseWindow(const GlFunctions& gl, UINT width, UINT height, D3DFORMAT depthFormat);
    void Destroy(const GlFunctions& gl);

    // Binds it for drawing and reading.
    void Bind(const GlFunctions& gl) const;
    // Scales the picture into the window's framebuffer of that size in pixels, keeping its
    // shape, black around it (letterbox.h). Leaves the window's framebuffer bound for drawing.
    void CopyToWindow(const GlFunctions& gl, int windowWidth, int windowHeight) const;
    // Rows top first, 0xAARRGGBB words (alpha 0xFF).
    std::vector<uint32_t> Read(const GlFunctions& gl) const;

    bool InWindow() const { return inWindow_; }
    UINT Width() const { return width_; }
    UINT Height() const { return height_; }
    bool HasDepth() const { return depth_ != 0 || windowDepth_; }
    bool HasStencil() const { return hasStencil_; }

private:
    GLuint framebuffer_ = 0;
    GLuint colour_ = 0;
    GLuint depth_ = 0;
    bool hasStencil_ = false;
    bool inWindow_ = false;
    bool windowDepth_ = false;
    UINT width_ = 0;
    UINT height_ = 0;
};

}  // namespace d3d9
