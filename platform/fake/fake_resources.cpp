// Textures and buffers of the device stand-in.
#include "fake_resources.h"

#include "call_log.h"
#include "fake_d3d9_state.h"

namespace fake {

FakeTexture::FakeTexture(IDirect3DDevice9* device, UINT width, UINT height, D3DFORMAT format, D3DPOOL pool)
    : MemoryTexture(device, width, height, format, pool)
{
    ++d3d::TheLive().textures;
    TextureLabel(this);  // numbered in the order of creation
}

FakeTexture::~FakeTexture()
{
    --d3d::TheLive().textures;
    // A freed texture leaves the stages it was set on, so the state never names it again.
    for (auto& stage : d3d::TheDevice().textures) {
        if (stage.second == this) stage.second = nullptr;
    }
    d3d::ForgetLabel(static_cast<const IDirect3DBaseTexture9*>(this));
}

ULONG FakeTexture::Release()
{
    Record(Call("Texture.Release", Label{TextureLabel(this)}));
    return MemoryTexture::Release();
}

FakeVertexBuffer::FakeVertexBuffer(IDirect3DDevice9* device, UINT length, DWORD usage, DWORD fvf, D3DPOOL pool)
    : MemoryVertexBuffer(device, length, usage, fvf, pool)
{
    ++d3d::TheLive().vertexBuffers;
    d3d::BufferLabel(this);
}

FakeVertexBuffer::~FakeVertexBuffer()
{
    --d3d::TheLive().vertexBuffers;
    d3d::ForgetLabel(static_cast<const IDirect3DVertexBuffer9*>(this));
}

ULONG FakeVertexBuffer::Release()
{
    Record(Call("VertexBuffer.Release", Label{d3d::BufferLabel(this)}));
    return MemoryVertexBuffer::Release();
}

FakeIndexBuffer::FakeIndexBuffer(IDirect3DDevice9* device, UINT length, DWORD usage, D3DFORMAT format,
                                 D3DPOOL pool)
    : MemoryIndexBuffer(device, length, usage, format, pool)
{
    ++d3d::TheLive().indexBuffers;
    d3d::BufferLabel(this);
}

FakeIndexBuffer::~FakeIndexBuffer()
{
    --d3d::TheLive().indexBuffers;
    d3d::ForgetLabel(static_cast<const IDirect3DIndexBuffer9*>(this));
}

ULONG FakeIndexBuffer::Release()
{
    Record(Call("IndexBuffer.Release", Label{d3d::BufferLabel(this)}));
    return MemoryIndexBuffer::Release();
}

}  // namespace fake
