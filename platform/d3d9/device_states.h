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

// What a device answers to a change or a query of its state, before it touches anything:
// D3D_OK or D3DERR_INVALIDCALL. The OpenGL device and the tests' stand-in both ask here, so
// a scene that the stand-in accepts is one the real device accepts too.
HRESULT CheckRenderState(D3DRENDERSTATETYPE state);
HRESULT CheckRenderState(D3DRENDERSTATETYPE state, DWORD value);
HRESULT CheckStageState(DWORD stage, D3DTEXTURESTAGESTATETYPE type);
HRESULT CheckStageState(DWORD stage, D3DTEXTURESTAGESTATETYPE type, DWORD value);
HRESULT CheckSamplerState(DWORD sampler, D3DSAMPLERSTATETYPE type);
HRESULT CheckSamplerState(DWORD sampler, D3DSAMPLERSTATETYPE type, DWORD value);
// World, view, projection and one texture matrix per stage.
HRESULT CheckTransform(D3DTRANSFORMSTATETYPE state);
HRESULT CheckTextureStage(DWORD stage);
HRESULT CheckLightIndex(DWORD index);
// Directional lights only, pointing somewhere: the game lights its models with one.
HRESULT CheckLight(DWORD index, const D3DLIGHT9* light);
// 0, the format a device starts with, names no vertex but may be set.
HRESULT CheckVertexFormat(DWORD fvf);

}  // namespace d3d9
