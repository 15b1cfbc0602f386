// Drawing: vertices from user memory (DrawPrimitiveUP) or from the stream source through
// the index buffer (DrawIndexedPrimitive), both checked so that no read leaves the data.
#include <cmath>
#include <cstring>

#include "gl_device.h"
#include "gl_resources.h"

namespace d3d9 {

namespace {

GLenum ModeOf(D3DPRIMITIVETYPE type)
{
    switch (type) {
    case D3DPT_POINTLIST:
        return GL_POINTS;
    case D3DPT_LINELIST:
        return GL_LINES;
    case D3DPT_LINESTRIP:
        return GL_LINE_STRIP;
    case D3DPT_TRIANGLELIST:
        return GL_TRIANGLES;
    case D3DPT_TRIANGLESTRIP:
        return GL_TRIANGLE_STRIP;
    case D3DPT_TRIANGLEFAN:
        return GL_TRIANGLE_FAN;
    }
    return GL_POINTS;
}

// Whether the vertices' diffuse colours, where they have any, all hold alpha 0xFF.
bool DiffuseAlphaOne(const uint8_t* vertices, UINT stride, UINT count, const VertexLayout& layout)
{
    if (layout.diffuse < 0) return true;
    for (UINT i = 0; i < count; ++i) {
        D3DCOLOR colour;
        std::memcpy(&colour, vertices + size_t(i) * stride + size_t(layout.diffuse), sizeof colour);
        if (colour >> 24 != 0xFF) return false;
    }
    return true;
}

void PointArray(GLenum array, bool present)
{
    if (present)
        glEnableClientState(array);
    else
        glDisableClientState(array);
}

}  // namespace

HRESULT GlDevice::DrawPrimitiveUP(D3DPRIMITIVETYPE type, UINT primitiveCount, const void* vertices, UINT stride)
{
    VertexLayout layout;
    const UINT count = VerticesForPrimitives(type, primitiveCount);
    if (!inScene_ || !vertices || count == 0 || !DescribeVertexFormat(fvf_, &layout) || stride < layout.size)
        return D3DERR_INVALIDCALL;
    if (!Current()) return D3DERR_INVALIDCALL;
    const auto* bytes = static_cast<const uint8_t*>(vertices);
    Gl().BindBuffer(GL_ARRAY_BUFFER, 0);
    const float* positions = layout.pretransformed ? PretransformedPositions(bytes, stride, count) : nullptr;
    ApplyStates(layout, DiffuseAlphaOne(bytes, stride, count, layout));
    PointArrays(reinterpret_cast<uintptr_t>(bytes), stride, layout, positions);
    glDrawArrays(ModeOf(type), 0, GLsizei(count));
    return D3D_OK;
}

HRESULT GlDevice::DrawIndexedPrimitive(D3DPRIMITIVETYPE type, INT baseVertex, UINT, UINT, UINT startIndex,
                                       UINT primitiveCount)
{
    VertexLayout layout;
    const UINT count = VerticesForPrimitives(type, primitiveCount);
    if (!inScene_ || !stream_ || !indices_ || count == 0 || !DescribeVertexFormat(fvf_, &layout) ||
        streamStride_ < layout.size)
        return D3DERR_INVALIDCALL;
    const UINT indexSize = indices_->Format() == D3DFMT_INDEX16 ? 2 : 4;
    if (uint64_t(startIndex) + count > indices_->Bytes().size() / indexSize) return D3DERR_INVALIDCALL;
    if (!Current()) return D3DERR_INVALIDCALL;

    GlIndexCopy& indexCopy = UploadIndices(*indices_, context_);
    const UINT maxIndex = indexCopy.MaxIndex(*indices_, startIndex, count);
    // Every vertex the indices reach must lie inside the vertex buffer.
    const int64_t first = int64_t(streamOffset_) + int64_t(baseVertex) * streamStride_;
    const int64_t end = first + int64_t(maxIndex) * streamStride_ + layout.size;
    if (first < 0 || end > int64_t(stream_->Bytes().size())) return D3DERR_INVALIDCALL;

    uintptr_t base = 0;
    const float* positions = nullptr;
    if (layout.pretransformed) {
        // Their positions need dividing on our side, so they are read from memory.
        Gl().BindBuffer(GL_ARRAY_BUFFER, 0);
        const uint8_t* vertices = stream_->Bytes().data() + first;
        positions = PretransformedPositions(vertices, streamStride_, maxIndex + 1);
        base = reinterpret_cast<uintptr_t>(vertices);
    } else {
        UploadVertices(*stream_, context_);
        base = uintptr_t(first);
    }
    // A buffer's colours are not looked through: its draws keep blending.
    ApplyStates(layout, layout.diffuse < 0);
    PointArrays(base, streamStride_, layout, positions);
    glDrawElements(ModeOf(type), GLsizei(count), indexSize == 2 ? GL_UNSIGNED_SHORT : GL_UNSIGNED_INT,
                   reinterpret_cast<const void*>(uintptr_t(startIndex) * indexSize));
    return D3D_OK;
}

void GlDevice::PointArrays(uintptr_t base, UINT stride, const VertexLayout& layout, const float* positions)
{
    auto at = [base](int offset) { return reinterpret_cast<const void*>(base + uintptr_t(offset)); };
    const auto step = GLsizei(stride);
    if (positions)
        glVertexPointer(4, GL_FLOAT, 0, positions);
    else
        glVertexPointer(3, GL_FLOAT, step, at(0));
    PointArray(GL_NORMAL_ARRAY, layout.normal >= 0);
    if (layout.normal >= 0) glNormalPointer(GL_FLOAT, step, at(layout.normal));
    // Colours are 0xAARRGGBB words: B, G, R, A bytes in memory.
    PointArray(GL_COLOR_ARRAY, layout.diffuse >= 0);
    if (layout.diffuse >= 0) glColorPointer(GL_BGRA, GL_UNSIGNED_BYTE, step, at(layout.diffuse));
    PointArray(GL_SECONDARY_COLOR_ARRAY, layout.specular >= 0);
    if (layout.specular >= 0) Gl().SecondaryColorPointer(GL_BGRA, GL_UNSIGNED_BYTE, step, at(layout.specular));
    const DWORD set = stageStates_[0][D3DTSS_TEXCOORDINDEX];
    const bool hasSet = set < layout.texCoordSets;
    PointArray(GL_TEXTURE_COORD_ARRAY, hasSet);
    if (hasSet)
        glTexCoordPointer(layout.texCoordFloats[set], GL_FLOAT, step, at(layout.texCoord[set]));
    else
        glTexCoord4f(0.0f, 0.0f, 0.0f, 1.0f);
}

const float* GlDevice::PretransformedPositions(const uint8_t* vertices, UINT stride, UINT count)
{
    positions_.resize(size_t(count) * 4);
    for (UINT i = 0; i < count; ++i) {
        float v[4];
        std::memcpy(v, vertices + size_t(i) * stride, sizeof v);
        // OpenGL divides by w after the projection, and interpolates with 1/w as Direct3D
        // does with rhw.
        const float rhw = std::isfinite(v[3]) && v[3] != 0.0f ? v[3] : 1.0f;
        const float w = 1.0f / rhw;
        float* out = positions_.data() + size_t(i) * 4;
        out[0] = v[0] * w;
        out[1] = v[1] * w;
        out[2] = v[2] * w;
        out[3] = w;
    }
    return positions_.data();
}

}  // namespace d3d9
