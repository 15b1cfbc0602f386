// The offscreen back buffer and its copy to the window.
#include "gl_back_buffer.h"

#include <algorithm>

namespace d3d9 {

bool GlBackBuffer::Create(const GlFunctions& gl, UINT width, UINT height, D3DFORMAT depthFormat)
{
    GLint maxSide = 0;
    glGetIntegerv(GL_MAX_RENDERBUFFER_SIZE, &maxSide);
    if (width == 0 || height == 0 || width > UINT(maxSide) || height > UINT(maxSide)) return false;
    GlBackBuffer made;
    made.width_ = width;
    made.height_ = height;
    gl.GenFramebuffers(1, &made.framebuffer_);
    gl.BindFramebuffer(GL_FRAMEBUFFER, made.framebuffer_);
    gl.GenRenderbuffers(1, &made.colour_);
    gl.BindRenderbuffer(GL_RENDERBUFFER, made.colour_);
    gl.RenderbufferStorage(GL_RENDERBUFFER, GL_RGB8, GLsizei(width), GLsizei(height));
    gl.FramebufferRenderbuffer(GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_RENDERBUFFER, made.colour_);
    if (depthFormat != D3DFMT_UNKNOWN) {
        made.hasStencil_ = depthFormat == D3DFMT_D24S8;
        gl.GenRenderbuffers(1, &made.depth_);
        gl.BindRenderbuffer(GL_RENDERBUFFER, made.depth_);
        gl.RenderbufferStorage(GL_RENDERBUFFER, made.hasStencil_ ? GL_DEPTH24_STENCIL8 : GL_DEPTH_COMPONENT16,
                               GLsizei(width), GLsizei(height));
        gl.FramebufferRenderbuffer(GL_FRAMEBUFFER, made.hasStencil_ ? GL_DEPTH_STENCIL_ATTACHMENT : GL_DEPTH_ATTACHMENT,
                                   GL_RENDERBUFFER, made.depth_);
    }
    if (gl.CheckFramebufferStatus(GL_FRAMEBUFFER) != GL_FRAMEBUFFER_COMPLETE) {
        made.Destroy(gl);
        return false;
    }
    *this = made;
    return true;
}

bool GlBackBuffer::UseWindow(const GlFunctions& gl, UINT width, UINT height, D3DFORMAT depthFormat)
{
    gl.BindFramebuffer(GL_FRAMEBUFFER, 0);
    GLint alpha = 0, depth = 0, stencil = 0;
    glGetIntegerv(GL_ALPHA_BITS, &alpha);
    glGetIntegerv(GL_DEPTH_BITS, &depth);
    glGetIntegerv(GL_STENCIL_BITS, &stencil);
    const bool depthMet = depthFormat == D3DFMT_UNKNOWN || (depthFormat == D3DFMT_D16 && depth >= 16) ||
                          (depthFormat == D3DFMT_D24S8 && depth >= 24 && stencil >= 8);
    if (alpha != 0 || !depthMet) return false;
    GlBackBuffer window;
    window.width_ = width;
    window.height_ = height;
    window.inWindow_ = true;
    window.windowDepth_ = depthFormat != D3DFMT_UNKNOWN;
    window.hasStencil_ = depthFormat == D3DFMT_D24S8;
    *this = window;
    return true;
}

void GlBackBuffer::Destroy(const GlFunctions& gl)
{
    if (framebuffer_) gl.DeleteFramebuffers(1, &framebuffer_);
    if (colour_) gl.DeleteRenderbuffers(1, &colour_);
    if (depth_) gl.DeleteRenderbuffers(1, &depth_);
    *this = GlBackBuffer();
}

void GlBackBuffer::Bind(const GlFunctions& gl) const { gl.BindFramebuffer(GL_FRAMEBUFFER, framebuffer_); }

void GlBackBuffer::CopyToWindow(const GlFunctions& gl, int windowWidth, int windowHeight) const
{
    const ScreenRect rect = LetterboxRect(windowWidth, windowHeight, int(width_), int(height_));
    gl.BindFramebuffer(GL_READ_FRAMEBUFFER, framebuffer_);
    gl.BindFramebuffer(GL_DRAW_FRAMEBUFFER, 0);
    glDisable(GL_SCISSOR_TEST);
    // Only bars beside the picture need their black: a picture that fills the window covers
    // every pixel, and the software rasteriser would pay for a whole-window clear each frame.
    if (rect.width < windowWidth || rect.height < windowHeight) {
        glClearColor(0.0f, 0.0f, 0.0f, 1.0f);
        glClear(GL_COLOR_BUFFER_BIT);
    }
    // At its own size each pixel lands on one pixel, with nothing to filter.
    const bool ownSize = rect.width == int(width_) && rect.height == int(height_);
    gl.BlitFramebuffer(0, 0, GLint(width_), GLint(height_), rect.x, rect.y, rect.x + rect.width,
                       rect.y + rect.height, GL_COLOR_BUFFER_BIT, ownSize ? GL_NEAREST : GL_LINEAR);
}

std::vector<uint32_t> GlBackBuffer::Read(const GlFunctions& gl) const
{
    if (width_ == 0 || height_ == 0) return {};
    gl.BindFramebuffer(GL_READ_FRAMEBUFFER, framebuffer_);
    std::vector<uint32_t> pixels(size_t(width_) * height_);
    glPixelStorei(GL_PACK_ALIGNMENT, 4);
    glReadPixels(0, 0, GLsizei(width_), GLsizei(height_), GL_BGRA, GL_UNSIGNED_BYTE, pixels.data());
    // OpenGL's rows run from the bottom up; the picture's rows are wanted top first.
    for (UINT top = 0, bottom = height_ - 1; top < bottom; ++top, --bottom)
        std::swap_ranges(pixels.begin() + ptrdiff_t(top) * width_, pixels.begin() + ptrdiff_t(top + 1) * width_,
                         pixels.begin() + ptrdiff_t(bottom) * width_);
    return pixels;
}

}  // namespace d3d9
