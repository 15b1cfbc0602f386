// Reading the device state, with Direct3D's defaults for what the game never set.
#include "device_states.h"
#include "fake_d3d9.h"

namespace fake {

DWORD DeviceState::RenderState(D3DRENDERSTATETYPE state) const
{
    auto found = renderStates.find(state);
    if (found != renderStates.end()) return found->second;
    return state < d3d9::kRenderStateSlots
               ? d3d9::DefaultRenderStates(params.EnableAutoDepthStencil != FALSE)[state]
               : 0;
}

DWORD DeviceState::StageState(DWORD stage, D3DTEXTURESTAGESTATETYPE type) const
{
    auto found = stageStates.find({stage, type});
    if (found != stageStates.end()) return found->second;
    return stage < d3d9::kTextureStages && type < d3d9::kStageStateSlots ? d3d9::DefaultStageStates()[stage][type] : 0;
}

DWORD DeviceState::SamplerState(DWORD sampler, D3DSAMPLERSTATETYPE type) const
{
    auto found = samplerStates.find({sampler, type});
    if (found != samplerStates.end()) return found->second;
    return sampler < d3d9::kSamplers && type < d3d9::kSamplerStateSlots ? d3d9::DefaultSamplerStates()[sampler][type]
                                                                         : 0;
}

D3DMATRIX DeviceState::Transform(D3DTRANSFORMSTATETYPE type) const
{
    auto found = transforms.find(type);
    if (found != transforms.end()) return found->second;
    D3DMATRIX identity = {};
    identity._11 = identity._22 = identity._33 = identity._44 = 1.0f;
    return identity;
}

std::string DeviceState::Texture(DWORD stage) const
{
    auto found = textures.find(stage);
    return TextureLabel(found == textures.end() ? nullptr : found->second);
}

}  // namespace fake
