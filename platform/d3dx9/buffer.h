// ID3DXBuffer: a block of bytes handed out by the mesh loaders (the material records).
#pragma once

#include <vector>

#include "d3dx9mesh.h"

namespace d3dx9 {

class Buffer final : public com::RefCounted<ID3DXBuffer> {
public:
    explicit Buffer(size_t bytes) : bytes_(bytes) {}

    LPVOID GetBufferPointer() override { return bytes_.data(); }
    DWORD GetBufferSize() override { return DWORD(bytes_.size()); }

private:
    std::vector<uint8_t> bytes_;  // operator new's alignment suits any record put here
};

}  // namespace d3dx9
