// The memory textures and buffers of the device stand-in: they count themselves as live,
// carry a label in the records, and record their Release.
#pragma once

#include "resources.h"

namespace fake {

class FakeTexture : public d3d9::MemoryTexture {
public:
    FakeTexture(IDirect3DDevice9* device, UINT width, UINT height, D3DFORMAT format, D3DPOOL pool);
    ~FakeTexture() override;
    ULONG Release() override;
};

class FakeVertexBuffer : public d3d9::MemoryVertexBuffer {
public:
    FakeVertexBuffer(IDirect3DDevice9* device, UINT length, DWORD usage, DWORD fvf, D3DPOOL pool);
    ~FakeVertexBuffer() override;
    ULONG Release() override;
};

class FakeIndexBuffer : public d3d9::MemoryIndexBuffer {
public:
    FakeIndexBuffer(IDirect3DDevice9* device, UINT length, DWORD usage, D3DFORMAT format, D3DPOOL pool);
    ~FakeIndexBuffer() override;
    ULONG Release() override;
};

}  // namespace fake
