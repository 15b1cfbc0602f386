// Textures from BMP, PNG and JPEG files. The picture is decoded, the colour key applied to
// it, and its pixels copied unscaled into a single-level A8R8G8B8 texture of the device.
//
// Results: D3DERR_INVALIDCALL for a missing device, file name or texture pointer;
// D3DERR_NOTAVAILABLE when the file cannot be read or is over 64 MiB; D3DXERR_INVALIDDATA
// when it holds no picture we can decode; otherwise what the device's CreateTexture,
// LockRect or UnlockRect answered.
#include <algorithm>

#include "d3dx9tex.h"
#include "file_bytes.h"
#include "image.h"
#include "load_log.h"
#include "load_observer.h"

namespace {

constexpr size_t kMaxFileBytes = size_t(64) << 20;

// A texel equal to the key, read as an opaque colour, becomes transparent black.
void ApplyColourKey(d3dx9::Image& image, D3DCOLOR colourKey)
{
    if (colourKey == 0) return;
    uint32_t key = colourKey | 0xFF000000u;
    std::replace(image.pixels.begin(), image.pixels.end(), key, 0u);
}

// Pictures are never resampled, whatever the filter: a texture of another size holds the
// picture at its top-left corner, cut off or padded with transparent black.
HRESULT FillTexture(IDirect3DTexture9* texture, UINT width, UINT height, const d3dx9::Image& image)
{
    D3DLOCKED_RECT locked;
    HRESULT result = texture->LockRect(0, &locked, nullptr, 0);
    if (FAILED(result)) return result;
    UINT copied = std::min(width, image.width);
    for (UINT y = 0; y < height; ++y) {
        auto* row = reinterpret_cast<uint32_t*>(static_cast<uint8_t*>(locked.pBits) + size_t(y) * locked.Pitch);
        std::fill(row, row + width, 0u);
        if (y < image.height) std::copy_n(&image.pixels[size_t(y) * image.width], copied, row);
    }
    return texture->UnlockRect(0);
}

HRESULT Refuse(const char* file, const char* reason, HRESULT result)
{
    win32::LogLoadFailure("texture", file, reason);
    return result;
}

HRESULT LoadTexture(IDirect3DDevice9* device, const char* file, UINT width, UINT height, D3DPOOL pool,
                    D3DCOLOR colourKey, D3DXIMAGE_INFO* sourceInfo, IDirect3DTexture9** texture)
{
    if (!texture) return D3DERR_INVALIDCALL;
    *texture = nullptr;
    if (!device || !file) return D3DERR_INVALIDCALL;

    std::vector<uint8_t> bytes;
    if (!d3dx9::ReadWholeFile(file, kMaxFileBytes, bytes)) return Refuse(file, "cannot open", D3DERR_NOTAVAILABLE);
    d3dx9::Image image;
    if (!d3dx9::DecodeImage(bytes.data(), bytes.size(), image))
        return Refuse(file, "no BMP, PNG or JPEG picture we can read", D3DXERR_INVALIDDATA);
    ApplyColourKey(image, colourKey);

    if (width == 0 || width == D3DX_DEFAULT) width = image.width;
    if (height == 0 || height == D3DX_DEFAULT) height = image.height;
    IDirect3DTexture9* made = nullptr;
    HRESULT result = device->CreateTexture(width, height, 1, 0, D3DFMT_A8R8G8B8, pool, &made, nullptr);
    if (FAILED(result)) return Refuse(file, "the device refused the texture", result);
    result = FillTexture(made, width, height, image);
    if (FAILED(result)) {
        made->Release();
        return Refuse(file, "the texture could not be filled", result);
    }
    if (sourceInfo) {
        // The format is the one the picture was decoded to, whatever the file stored.
        *sourceInfo = {image.width, image.height, 1, 1, D3DFMT_A8R8G8B8, D3DRTYPE_TEXTURE, image.format};
    }
    *texture = made;
    return D3D_OK;
}

}  // namespace

HRESULT WINAPI D3DXCreateTextureFromFileExA(IDirect3DDevice9* device, LPCSTR file, UINT width, UINT height,
                                            UINT mipLevels, DWORD usage, D3DFORMAT format, D3DPOOL pool,
                                            DWORD filter, DWORD mipFilter, D3DCOLOR colourKey,
                                            D3DXIMAGE_INFO* sourceInfo, PALETTEENTRY*, IDirect3DTexture9** texture)
{
    if (d3dx9::LoadObserver* observer = d3dx9::TheLoadObserver())
        observer->TextureFromFileEx(file, width, height, mipLevels, usage, format, pool, filter, mipFilter, colourKey);
    return LoadTexture(device, file, width, height, pool, colourKey, sourceInfo, texture);
}

HRESULT WINAPI D3DXCreateTextureFromFileA(IDirect3DDevice9* device, LPCSTR file, IDirect3DTexture9** texture)
{
    if (d3dx9::LoadObserver* observer = d3dx9::TheLoadObserver()) observer->TextureFromFile(file);
    return LoadTexture(device, file, D3DX_DEFAULT, D3DX_DEFAULT, D3DPOOL_MANAGED, 0, nullptr, texture);
}
