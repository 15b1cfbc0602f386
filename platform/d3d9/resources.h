// Textures and vertex/index buffers as the device hands them out: their contents live in
// memory; a device that draws with a GPU keeps its own copy in the attached GpuCopy and
// refreshes it whenever the version has moved since its last upload.
#pragma once

#include <memory>
#include <vector>

#include "d3d9.h"

namespace d3d9 {

// What a drawing device attaches to a resource: its GPU object, freed with the resource.
struct GpuCopy {
    virtual ~GpuCopy() = default;
    uint64_t uploadedVersion = 0;
};

// Common part of the three resource kinds.
template <class Interface>
class MemoryResource : public com::RefCounted<Interface> {
public:
    explicit MemoryResource(IDirect3DDevice9* device) : device_(device) {}

    HRESULT GetDevice(IDirect3DDevice9** device) override
    {
        if (!device) return D3DERR_INVALIDCALL;
        *device = device_;
        if (device_) device_->AddRef();
        return D3D_OK;
    }

    // Moves on every unlock, so that a GPU copy knows it is stale.
    uint64_t Version() const { return version_; }
    GpuCopy* Gpu() const { return gpu_.get(); }
    void AttachGpu(std::unique_ptr<GpuCopy> copy) { gpu_ = std::move(copy); }

protected:
    void Touch() { ++version_; }
    bool locked_ = false;

private:
    // Not counted: the game's shutdown releases its textures after the device, so a
    // resource may outlive it (and must not call it then).
    IDirect3DDevice9* device_;
    uint64_t version_ = 1;
    std::unique_ptr<GpuCopy> gpu_;
};

// A single-level 32-bit ARGB texture.
class MemoryTexture : public MemoryResource<IDirect3DTexture9> {
public:
    MemoryTexture(IDirect3DDevice9* device, UINT width, UINT height, D3DFORMAT format, D3DPOOL pool);

    DWORD GetLevelCount() override { return 1; }
    HRESULT GetLevelDesc(UINT level, D3DSURFACE_DESC* desc) override;
    HRESULT LockRect(UINT level, D3DLOCKED_RECT* locked, const RECT* rect, DWORD flags) override;
    HRESULT UnlockRect(UINT level) override;

    UINT Width() const { return width_; }
    UINT Height() const { return height_; }
    // Row-major, top row first, 0xAARRGGBB.
    const std::vector<uint32_t>& Pixels() const { return pixels_; }

    // The parts of a cell of the texture that hold anything but transparent black, in
    // texels from the cell's top-left corner: its blocks of kBlock by kBlock texels that
    // do, neighbours along a row of blocks run together, and a run grown down over the rows
    // below that hold one of the same span. Null for a cell that does not lie
    // inside the texture, or a texture whose texels all read opaque. Kept per cell until
    // the texels change (visible_runs.cpp).
    static constexpr LONG kBlock = 16;
    const std::vector<RECT>* VisibleRuns(const RECT& cell);

private:
    struct CellRuns {
        RECT cell;
        std::vector<RECT> runs;
    };
    std::vector<CellRuns> visibleRuns_;
    uint64_t visibleRunsVersion_ = 0;

    UINT width_;
    UINT height_;
    D3DFORMAT format_;
    D3DPOOL pool_;
    std::vector<uint32_t> pixels_;
};

class MemoryVertexBuffer : public MemoryResource<IDirect3DVertexBuffer9> {
public:
    MemoryVertexBuffer(IDirect3DDevice9* device, UINT length, DWORD usage, DWORD fvf, D3DPOOL pool);

    HRESULT Lock(UINT offset, UINT size, void** data, DWORD flags) override;
    HRESULT Unlock() override;
    HRESULT GetDesc(D3DVERTEXBUFFER_DESC* desc) override;

    const std::vector<uint8_t>& Bytes() const { return bytes_; }

private:
    DWORD usage_;
    DWORD fvf_;
    D3DPOOL pool_;
    std::vector<uint8_t> bytes_;
};

class MemoryIndexBuffer : public MemoryResource<IDirect3DIndexBuffer9> {
public:
    MemoryIndexBuffer(IDirect3DDevice9* device, UINT length, DWORD usage, D3DFORMAT format, D3DPOOL pool);

    HRESULT Lock(UINT offset, UINT size, void** data, DWORD flags) override;
    HRESULT Unlock() override;
    HRESULT GetDesc(D3DINDEXBUFFER_DESC* desc) override;

    D3DFORMAT Format() const { return format_; }
    const std::vector<uint8_t>& Bytes() const { return bytes_; }

private:
    DWORD usage_;
    D3DFORMAT format_;
    D3DPOOL pool_;
    std::vector<uint8_t> bytes_;
};

// The argument checks common to CreateTexture, CreateVertexBuffer and CreateIndexBuffer
// of every device; a size no device could hold is refused.
HRESULT CheckTextureArgs(UINT width, UINT height, UINT levels, D3DFORMAT format);
HRESULT CheckVertexBufferArgs(UINT length);
HRESULT CheckIndexBufferArgs(UINT length, D3DFORMAT format);

// Checks the arguments as above and makes the resource.
HRESULT CreateMemoryTexture(IDirect3DDevice9* device, UINT width, UINT height, UINT levels, D3DFORMAT format,
                            D3DPOOL pool, IDirect3DTexture9** texture);
HRESULT CreateMemoryVertexBuffer(IDirect3DDevice9* device, UINT length, DWORD usage, DWORD fvf, D3DPOOL pool,
                                 IDirect3DVertexBuffer9** buffer);
HRESULT CreateMemoryIndexBuffer(IDirect3DDevice9* device, UINT length, DWORD usage, D3DFORMAT format,
                                D3DPOOL pool, IDirect3DIndexBuffer9** buffer);

// The largest texture side any of our devices accepts.
constexpr UINT kMaxTextureSide = 8192;
// The largest vertex or index buffer, in bytes.
constexpr UINT kMaxBufferBytes = 256u << 20;

}  // namespace d3d9
