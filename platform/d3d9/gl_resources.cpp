// Uploads of textures and buffers.
#include "gl_resources.h"

#include <algorithm>
#include <cstring>

namespace d3d9 {

namespace {

// The copy attached to the resource if it is of this context, else a fresh one attached
// in its place (the old one, of another context, is freed).
template <class Copy, class Resource>
Copy& CopyFor(Resource& resource, const std::shared_ptr<GlContext>& context)
{
    auto* copy = dynamic_cast<Copy*>(resource.Gpu());
    if (copy && copy->BelongsTo(context)) return *copy;
    auto fresh = std::make_unique<Copy>(context);
    Copy& result = *fresh;
    resource.AttachGpu(std::move(fresh));
    // Freeing the old copy made its own context current.
    context->MakeCurrent();
    return result;
}

void UploadBuffer(const GlFunctions& gl, GLenum target, GlBufferCopy& copy, const std::vector<uint8_t>& bytes,
                  uint64_t version)
{
    gl.BindBuffer(target, copy.name);
    if (copy.uploadedVersion == version) return;
    if (copy.uploadedVersion == 0)
        gl.BufferData(target, GLsizeiptr(bytes.size()), bytes.data(), GL_STATIC_DRAW);
    else
        gl.BufferSubData(target, 0, GLsizeiptr(bytes.size()), bytes.data());
    copy.uploadedVersion = version;
}

}  // namespace

std::shared_ptr<GlContext> GlCopy::CurrentContext() const
{
    auto context = context_.lock();
    return context && context->MakeCurrent() ? context : nullptr;
}

GlTextureCopy::GlTextureCopy(const std::shared_ptr<GlContext>& context) : GlCopy(context)
{
    glGenTextures(1, &name);
    glBindTexture(GL_TEXTURE_2D, name);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAX_LEVEL, 0);  // one level: no mipmaps to wait for
}

GlTextureCopy::~GlTextureCopy()
{
    if (CurrentContext()) glDeleteTextures(1, &name);
}

GlBufferCopy::GlBufferCopy(const std::shared_ptr<GlContext>& context) : GlCopy(context)
{
    context->Gl().GenBuffers(1, &name);
}

GlBufferCopy::~GlBufferCopy()
{
    if (auto context = CurrentContext()) context->Gl().DeleteBuffers(1, &name);
}

UINT GlIndexCopy::MaxIndex(const MemoryIndexBuffer& buffer, UINT start, UINT count)
{
    for (const Range& range : ranges_) {
        if (range.start == start && range.count == count) return range.maxIndex;
    }
    UINT maxIndex = 0;
    const uint8_t* bytes = buffer.Bytes().data();
    if (buffer.Format() == D3DFMT_INDEX16) {
        for (UINT i = start; i < start + count; ++i) {
            uint16_t index;
            std::memcpy(&index, bytes + size_t(i) * 2, 2);
            maxIndex = std::max<UINT>(maxIndex, index);
        }
    } else {
        for (UINT i = start; i < start + count; ++i) {
            uint32_t index;
            std::memcpy(&index, bytes + size_t(i) * 4, 4);
            maxIndex = std::max<UINT>(maxIndex, index);
        }
    }
    // A buffer drawn in ever new ranges starts its memory afresh rather than growing it.
    constexpr size_t kRememberedRanges = 64;
    if (ranges_.size() == kRememberedRanges) ranges_.clear();
    ranges_.push_back({start, count, maxIndex});
    return maxIndex;
}

GlTextureCopy& UploadTexture(MemoryTexture& texture, const std::shared_ptr<GlContext>& context)
{
    GlTextureCopy& copy = CopyFor<GlTextureCopy>(texture, context);
    glBindTexture(GL_TEXTURE_2D, copy.name);
    if (copy.uploadedVersion == texture.Version()) return copy;
    // Pixels are 0xAARRGGBB words, which lie in memory as B, G, R, A bytes.
    const GLsizei width = GLsizei(texture.Width()), height = GLsizei(texture.Height());
    D3DSURFACE_DESC desc = {};
    texture.GetLevelDesc(0, &desc);
    // A texture without alpha bits reads alpha 1 whatever its words hold.
    const bool alphaBits = desc.Format != D3DFMT_X8R8G8B8;
    copy.opaque = !alphaBits || std::all_of(texture.Pixels().begin(), texture.Pixels().end(),
                                            [](uint32_t texel) { return texel >> 24 == 0xFF; });
    const auto clearOrOpaque = [](uint32_t texel) { return texel >> 24 == 0xFF || texel >> 24 == 0; };
    copy.clearOrOpaque = copy.opaque || std::all_of(texture.Pixels().begin(), texture.Pixels().end(), clearOrOpaque);
    if (copy.uploadedVersion == 0) {
        const GLint internalFormat = alphaBits ? GL_RGBA8 : GL_RGB8;
        glTexImage2D(GL_TEXTURE_2D, 0, internalFormat, width, height, 0, GL_BGRA, GL_UNSIGNED_BYTE,
                     texture.Pixels().data());
    } else {
        glTexSubImage2D(GL_TEXTURE_2D, 0, 0, 0, width, height, GL_BGRA, GL_UNSIGNED_BYTE, texture.Pixels().data());
    }
    copy.uploadedVersion = texture.Version();
    return copy;
}

GlBufferCopy& UploadVertices(MemoryVertexBuffer& buffer, const std::shared_ptr<GlContext>& context)
{
    GlBufferCopy& copy = CopyFor<GlBufferCopy>(buffer, context);
    UploadBuffer(context->Gl(), GL_ARRAY_BUFFER, copy, buffer.Bytes(), buffer.Version());
    return copy;
}

GlIndexCopy& UploadIndices(MemoryIndexBuffer& buffer, const std::shared_ptr<GlContext>& context)
{
    GlIndexCopy& copy = CopyFor<GlIndexCopy>(buffer, context);
    if (copy.uploadedVersion != buffer.Version()) copy.Forget();
    UploadBuffer(context->Gl(), GL_ELEMENT_ARRAY_BUFFER, copy, buffer.Bytes(), buffer.Version());
    return copy;
}

}  // namespace d3d9
