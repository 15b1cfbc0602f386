// The call record's names: every state the device accepts has one, flags join with |, and
// a value without a name stays a number.
#include <gtest/gtest.h>

#include <cctype>
#include <string>
#include <vector>

#include "device_states.h"
#include "fake/call_names.h"

namespace {

namespace name = fake::name;

bool IsNumber(const std::string& text) { return !text.empty() && std::isdigit(static_cast<unsigned char>(text[0])); }

TEST(CallNames, EveryStateTheDeviceAcceptsHasANameAndSoDoesEveryStageAndSamplerValue)
{
    std::vector<std::string> unnamed;
    auto check = [&unnamed](bool accepted, const fake::Label& label, const std::string& what) {
        if (accepted && IsNumber(label.text)) unnamed.push_back(what);
    };
    for (DWORD state = 0; state < d3d9::kRenderStateSlots; ++state) {
        const auto render = D3DRENDERSTATETYPE(state);
        check(SUCCEEDED(d3d9::CheckRenderState(render)), name::RenderState(render),
              "render state " + std::to_string(state));
    }
    for (DWORD type = 0; type < 32; ++type) {
        const auto stage = D3DTEXTURESTAGESTATETYPE(type);
        const auto sampler = D3DSAMPLERSTATETYPE(type);
        const std::string number = std::to_string(type);
        check(SUCCEEDED(d3d9::CheckStageState(0, stage)), name::StageState(stage), "stage state " + number);
        check(SUCCEEDED(d3d9::CheckSamplerState(0, sampler)), name::SamplerState(sampler), "sampler state " + number);
        for (DWORD value = 0; value < 16; ++value) {
            const std::string what = number + " = " + std::to_string(value);
            check(stage != D3DTSS_TEXCOORDINDEX && SUCCEEDED(d3d9::CheckStageState(0, stage, value)),
                  name::StageStateValue(stage, value), "stage state " + what);
            check(SUCCEEDED(d3d9::CheckSamplerState(0, sampler, value)), name::SamplerStateValue(sampler, value),
                  "sampler state " + what);
        }
    }
    EXPECT_EQ(unnamed, std::vector<std::string>{});
}

TEST(CallNames, ValuesAreWrittenAsTheGameSpeltThem)
{
    const std::pair<fake::Label, const char*> cases[] = {
        {name::RenderState(D3DRS_ZENABLE), "ZENABLE"},
        {name::RenderStateValue(D3DRS_ZENABLE, D3DZB_TRUE), "TRUE"},
        {name::RenderStateValue(D3DRS_SRCBLEND, D3DBLEND_SRCALPHA), "SRCALPHA"},
        {name::RenderStateValue(D3DRS_DESTBLEND, D3DBLEND_DESTALPHA), "DESTALPHA"},
        {name::RenderStateValue(D3DRS_CULLMODE, D3DCULL_NONE), "NONE"},
        {name::RenderStateValue(D3DRS_ZFUNC, D3DCMP_LESSEQUAL), "LESSEQUAL"},
        {name::RenderStateValue(D3DRS_AMBIENT, 0xFF203040), "0xFF203040"},
        {name::RenderStateValue(D3DRS_ALPHAREF, 128), "128"},
        {name::RenderStateValue(D3DRS_ZWRITEENABLE, 7), "7"},  // on, but not spelt TRUE
        {name::RenderStateValue(D3DRS_CULLMODE, 99), "99"},
        {name::RenderState(D3DRENDERSTATETYPE(200)), "200"},
        {name::StageStateValue(D3DTSS_ALPHAARG2, D3DTA_DIFFUSE), "DIFFUSE"},
        {name::StageStateValue(D3DTSS_TEXCOORDINDEX, 1), "1"},
        {name::Transform(D3DTS_VIEW), "VIEW"},
        {name::Transform(D3DTRANSFORMSTATETYPE(D3DTS_TEXTURE0 + 3)), "TEXTURE3"},
        {name::Transform(D3DTS_WORLDMATRIX(1)), "257"},
        {name::Format(D3DFMT_X8R8G8B8), "X8R8G8B8"},
        {name::Fvf(0), "0"},
        {name::Fvf(D3DFVF_XYZ | D3DFVF_DIFFUSE | D3DFVF_TEX1), "XYZ|DIFFUSE|TEX1"},
        {name::Fvf(D3DFVF_XYZRHW | D3DFVF_TEX2), "XYZRHW|TEX2"},
        {name::Fvf(D3DFVF_TEX1), "TEX1"},
        {name::Fvf(D3DFVF_XYZ | 0x1000), "XYZ|0x1000"},
        {name::Primitive(D3DPT_TRIANGLEFAN), "TRIANGLEFAN"},
        {name::ClearFlags(D3DCLEAR_TARGET | D3DCLEAR_ZBUFFER), "TARGET|ZBUFFER"},
        {name::Behaviour(D3DCREATE_SOFTWARE_VERTEXPROCESSING), "SOFTWARE_VERTEXPROCESSING"},
        {name::Size(D3DX_DEFAULT), "DEFAULT"},
        {name::MeshOptions(D3DXMESH_MANAGED | D3DXMESH_32BIT), "32BIT|MANAGED"},
        {name::BufferCaps(0x58080), "CTRLVOLUME|GLOBALFOCUS|GETCURRENTPOSITION2|LOCDEFER"},
        {name::PlayFlags(0), "0"},
        {name::EnumFlags(DIEDFL_ALLDEVICES), "ALLDEVICES"},
        {name::ObjectTypes(DIDFT_ABSAXIS), "ABSAXIS"},
        {name::MessageBoxType(MB_YESNO), "YESNO"},
        {name::WindowPosition(CW_USEDEFAULT), "USEDEFAULT"},
        {name::Message(WM_KEYDOWN), "KEYDOWN"},
    };
    for (const auto& [label, expected] : cases) EXPECT_EQ(label.text, expected);
}

}  // namespace
