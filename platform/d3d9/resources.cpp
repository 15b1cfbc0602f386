// Memory-backed textures and buffers shared by every device implementation.
#include "resources.h"

namespace d3d9 {

MemoryTexture::MemoryTexture(IDirect3DDevice9* device, UINT width, UINT height, D3DFORMAT format, D3DPOOL pool)
    : MemoryResource(device), width_(width), height_(height), format_(format), pool_(pool),
      pixels_(size_t(width) * height, 0u)
{
}

HRESULT MemoryTexture::GetLevelDesc(UINT level, D3DSURFACE_DESC* desc)
{
    if (level != 0 || !desc) return D3DERR_INVALIDCALL;
    *desc = {};
    desc->Format = format_;
    desc->Type = D3DRTYPE_TEXTURE;
    desc->Pool = pool_;
    desc->Width = width_;
    desc->Height = height_;
    return D3D_OK;
}

HRESULT MemoryTexture::LockRect(UINT level, D3DLOCKED_RECT* locked, const RECT* rect, DWORD)
{
    if (level != 0 || !locked || locked_) return D3DERR_INVALIDCALL;
    LONG left = 0, top = 0;
    if (rect) {
        if (rect->left < 0 || rect->top < 0 || rect->right > LONG(width_) || rect->bottom > LONG(height_) ||
            rect->left >= rect->right || rect->top >= rect->bottom)
            return D3DERR_INVALIDCALL;
        left = rect->left;
        top = rect->top;
    }
    locked->Pitch = INT(width_ * 4);
    locked->pBits = pixels_.data() + size_t(top) * width_ + left;
    locked_ = true;
    return D3D_OK;
}

HRESULT MemoryTexture::UnlockRect(UINT level)
{
    if (level != 0 || !locked_) return D3DERR_INVALIDCALL;
    locked_ = false;
    Touch();
    return D3D_OK;
}

namespace {

// Shared by both buffer kinds: a lock of (0, 0) means the whole buffer.
HRESULT LockBytes(std::vector<uint8_t>& bytes, bool& locked, UINT offset, UINT size, void** data)
{
    if (!data || locked) return D3DERR_INVALIDCALL;
    if (offset > bytes.size() || (size != 0 && size > bytes.size() - offset)) return D3DERR_INVALIDCALL;
    *data = bytes.data() + offset;
    locked = true;
    return D3D_OK;
}

}  // namespace

MemoryVertexBuffer::MemoryVertexBuffer(IDirect3DDevice9* device, UINT length, DWORD usage, DWORD fvf,
                                       D3DPOOL pool)
    : MemoryResource(device), usage_(usage), fvf_(fvf), pool_(pool), bytes_(length, 0)
{
}

HRESULT MemoryVertexBuffer::Lock(UINT offset, UINT size, void** data, DWORD)
{
    return LockBytes(bytes_, locked_, offset, size, data);
}

HRESULT MemoryVertexBuffer::Unlock()
{
    if (!locked_) return D3DERR_INVALIDCALL;
    locked_ = false;
    Touch();
    return D3D_OK;
}

HRESULT MemoryVertexBuffer::GetDesc(D3DVERTEXBUFFER_DESC* desc)
{
    if (!desc) return D3DERR_INVALIDCALL;
    *desc = {};
    desc->Format = D3DFMT_UNKNOWN;
    desc->Type = D3DRTYPE_VERTEXBUFFER;
    desc->Usage = usage_;
    desc->Pool = pool_;
    desc->Size = UINT(bytes_.size());
    desc->FVF = fvf_;
    return D3D_OK;
}

MemoryIndexBuffer::MemoryIndexBuffer(IDirect3DDevice9* device, UINT length, DWORD usage, D3DFORMAT format,
                                     D3DPOOL pool)
    : MemoryResource(device), usage_(usage), format_(format), pool_(pool), bytes_(length, 0)
{
}

HRESULT MemoryIndexBuffer::Lock(UINT offset, UINT size, void** data, DWORD)
{
    return LockBytes(bytes_, locked_, offset, size, data);
}

HRESULT MemoryIndexBuffer::Unlock()
{
    if (!locked_) return D3DERR_INVALIDCALL;
    locked_ = false;
    Touch();
    return D3D_OK;
}

HRESULT MemoryIndexBuffer::GetDesc(D3DINDEXBUFFER_DESC* desc)
{
    if (!desc) return D3DERR_INVALIDCALL;
    *desc = {};
    desc->Format = format_;
    desc->Type = D3DRTYPE_INDEXBUFFER;
    desc->Usage = usage_;
    desc->Pool = pool_;
    desc->Size = UINT(bytes_.size());
    return D3D_OK;
}

HRESULT CheckTextureArgs(UINT width, UINT height, UINT levels, D3DFORMAT format)
{
    if (width == 0 || height == 0 || width > kMaxTextureSide || height > kMaxTextureSide || levels > 1)
        return D3DERR_INVALIDCALL;
    if (format != D3DFMT_A8R8G8B8 && format != D3DFMT_X8R8G8B8) return D3DERR_INVALIDCALL;
    return D3D_OK;
}

HRESULT CheckVertexBufferArgs(UINT length)
{
    return length == 0 || length > kMaxBufferBytes ? D3DERR_INVALIDCALL : D3D_OK;
}

HRESULT CheckIndexBufferArgs(UINT length, D3DFORMAT format)
{
    if (length == 0 || length > kMaxBufferBytes) return D3DERR_INVALIDCALL;
    return format == D3DFMT_INDEX16 || format == D3DFMT_INDEX32 ? D3D_OK : D3DERR_INVALIDCALL;
}

HRESULT CreateMemoryTexture(IDirect3DDevice9* device, UINT width, UINT height, UINT levels, D3DFORMAT format,
                            D3DPOOL pool, IDirect3DTexture9** texture)
{
    if (!texture) return D3DERR_INVALIDCALL;
    *texture = nullptr;
    HRESULT checked = CheckTextureArgs(width, height, levels, format);
    if (FAILED(checked)) return checked;
    *texture = new MemoryTexture(device, width, height, format, pool);
    return D3D_OK;
}

HRESULT CreateMemoryVertexBuffer(IDirect3DDevice9* device, UINT length, DWORD usage, DWORD fvf, D3DPOOL pool,
                                 IDirect3DVertexBuffer9** buffer)
{
    if (!buffer) return D3DERR_INVALIDCALL;
    *buffer = nullptr;
    HRESULT checked = CheckVertexBufferArgs(length);
    if (FAILED(checked)) return checked;
    *buffer = new MemoryVertexBuffer(device, length, usage, fvf, pool);
    return D3D_OK;
}

HRESULT CreateMemoryIndexBuffer(IDirect3DDevice9* device, UINT length, DWORD usage, D3DFORMAT format,
                                D3DPOOL pool, IDirect3DIndexBuffer9** buffer)
{
    if (!buffer) return D3DERR_INVALIDCALL;
    *buffer = nullptr;
    HRESULT checked = CheckIndexBufferArgs(length, format);
    if (FAILED(checked)) return checked;
    *buffer = new MemoryIndexBuffer(device, length, usage, format, pool);
    return D3D_OK;
}

}  // namespace d3d9
