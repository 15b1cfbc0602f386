// The states a Direct3D 9 device holds, with the values a new device starts with and the
// values each state accepts. A state this game's headers do not name is refused.
#pragma once

#include <array>

#include "d3d9.h"

namespace d3d9 {

constexpr UINT kRenderStateSlots = 256;  // every D3DRENDERSTATETYPE we name is below this
constexpr UINT kTextureStages = 8;
constexpr UINT kStageStateSlots = 12;    // every D3DTEXTURESTAGESTATETYPE we name is below this
constexpr UINT kSamplers = 16;
constexpr UINT kSamplerStateSlots = 8;   // every D3DSAMPLERSTATETYPE we name is below this
constexpr UINT kLights = 8;

using RenderStates = std::array<DWORD, kRenderStateSlots>;
using StageStates = std::array<std::array<DWORD, kStageStateSlots>, kTextureStages>;
using SamplerStates = std::array<std::array<DWORD, kSamplerStateSlots>, kSamplers>;

// Depth testing starts on only when the device has an automatic depth buffer.
RenderStates DefaultRenderStates(bool autoDepthBuffer);
StageStates DefaultStageStates();
SamplerStates DefaultSamplerStates();
// A white directional light shining along +z: what enabling a light never set gives.
D3DLIGHT9 DefaultLight();

bool IsRenderState(D3DRENDERSTATETYPE state);
bool IsValidRenderState(D3DRENDERSTATETYPE state, DWORD value);
bool IsStageState(D3DTEXTURESTAGESTATETYPE type);
bool IsValidStageState(D3DTEXTURESTAGESTATETYPE type, DWORD value);
bool IsSamplerState(D3DSAMPLERSTATETYPE type);
bool IsValidSamplerState(D3DSAMPLERSTATETYPE type, DWORD value);

// Colour operations on the D3DTOP scale; arguments are D3DTA values.
inline bool IsTextureOp(DWORD op) { return op >= D3DTOP_DISABLE && op <= D3DTOP_ADD; }
inline bool IsTextureArg(DWORD arg) { return arg == D3DTA_DIFFUSE || arg == D3DTA_CURRENT || arg == D3DTA_TEXTURE; }

}  // namespace d3d9
