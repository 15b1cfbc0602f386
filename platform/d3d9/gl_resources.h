// OpenGL copies of the memory textures and buffers: made on first use by a device, kept
// on the resource, and refreshed only when the resource's contents have moved on, so a
// mesh is uploaded once and not every frame.
#pragma once

#include <memory>
#include <vector>

#include "gl_context.h"
#include "resources.h"

namespace d3d9 {

// Common part: the OpenGL object name and the context it lives in.
class GlCopy : public GpuCopy {
public:
    explicit GlCopy(const std::shared_ptr<GlContext>& context) : context_(context) {}
    bool BelongsTo(const std::shared_ptr<GlContext>& context) const { return context_.lock() == context; }

protected:
    // The context, current on this thread; null once the context is gone (and with it the object).
    std::shared_ptr<GlContext> CurrentContext() const;

private:
    std::weak_ptr<GlContext> context_;
};

class GlTextureCopy : public GlCopy {
public:
    explicit GlTextureCopy(const std::shared_ptr<GlContext>& context);
    ~GlTextureCopy() override;

    GLuint name = 0;
    bool opaque = false;  // every texel reads alpha 1
    bool clearOrOpaque = false;  // every texel reads alpha 0 or 1
    // Sampling last given to this texture object (OpenGL keeps it per texture); 0 = not yet.
    GLint minFilter = 0, magFilter = 0, wrapS = 0, wrapT = 0;
};

class GlBufferCopy : public GlCopy {
public:
    explicit GlBufferCopy(const std::shared_ptr<GlContext>& context);
    ~GlBufferCopy() override;

    GLuint name = 0;
};

class GlIndexCopy : public GlBufferCopy {
public:
    using GlBufferCopy::GlBufferCopy;

    // The largest index among `count` indices from `start`, which the caller has checked
    // lie inside the buffer. Remembered per range until the next upload: a mesh draws the
    // same subsets every frame.
    UINT MaxIndex(const MemoryIndexBuffer& buffer, UINT start, UINT count);
    void Forget() { ranges_.clear(); }

private:
    struct Range {
        UINT start, count, maxIndex;
    };
    std::vector<Range> ranges_;
};

// Make or refresh the copy for this context and leave it bound (texture unit 0, the array
// buffer, the element array buffer). The context must be current.
GlTextureCopy& UploadTexture(MemoryTexture& texture, const std::shared_ptr<GlContext>& context);
GlBufferCopy& UploadVertices(MemoryVertexBuffer& buffer, const std::shared_ptr<GlContext>& context);
GlIndexCopy& UploadIndices(MemoryIndexBuffer& buffer, const std::shared_ptr<GlContext>& context);

}  // namespace d3d9
