// The name tables of the call record.
#include "call_names.h"

#include <span>
#include <string>

#include "mmreg.h"

namespace fake::name {

namespace {

struct Named {
    DWORD value;
    const char* name;
};
using Names = std::span<const Named>;

std::string HexText(DWORD value)
{
    std::ostringstream out;
    detail::AppendArg(out, Hex{value});
    return out.str();
}

Label OneOf(DWORD value, Names names)
{
    for (const Named& named : names)
        if (named.value == value) return Label{named.name};
    return Label{std::to_string(value)};
}

// The names whose bits are all set, in table order, joined by |; bits no name covers
// follow in hexadecimal. A name for 0 is used only when nothing is set.
Label FlagsOf(DWORD value, Names names)
{
    std::string text;
    DWORD left = value;
    for (const Named& named : names) {
        if (named.value == 0) {
            if (value == 0) return Label{named.name};
        } else if ((left & named.value) == named.value) {
            text += (text.empty() ? "" : "|") + std::string(named.name);
            left &= ~named.value;
        }
    }
    if (left != 0) text += (text.empty() ? "" : "|") + HexText(left);
    return Label{text.empty() ? "0" : text};
}

constexpr Named kBools[] = {{FALSE, "FALSE"}, {TRUE, "TRUE"}};
constexpr Named kFillModes[] = {{1, "POINT"}, {2, "WIREFRAME"}, {3, "SOLID"}};
constexpr Named kShadeModes[] = {{1, "FLAT"}, {2, "GOURAUD"}, {3, "PHONG"}};
constexpr Named kBlends[] = {
    {D3DBLEND_ZERO, "ZERO"},           {D3DBLEND_ONE, "ONE"},
    {D3DBLEND_SRCCOLOR, "SRCCOLOR"},   {D3DBLEND_INVSRCCOLOR, "INVSRCCOLOR"},
    {D3DBLEND_SRCALPHA, "SRCALPHA"},   {D3DBLEND_INVSRCALPHA, "INVSRCALPHA"},
    {D3DBLEND_DESTALPHA, "DESTALPHA"}, {D3DBLEND_INVDESTALPHA, "INVDESTALPHA"},
    {D3DBLEND_DESTCOLOR, "DESTCOLOR"}, {D3DBLEND_INVDESTCOLOR, "INVDESTCOLOR"},
    {D3DBLEND_SRCALPHASAT, "SRCALPHASAT"},
};
constexpr Named kCulls[] = {{D3DCULL_NONE, "NONE"}, {D3DCULL_CW, "CW"}, {D3DCULL_CCW, "CCW"}};
constexpr Named kCompares[] = {
    {D3DCMP_NEVER, "NEVER"},     {D3DCMP_LESS, "LESS"},         {D3DCMP_EQUAL, "EQUAL"},
    {D3DCMP_LESSEQUAL, "LESSEQUAL"}, {D3DCMP_GREATER, "GREATER"}, {D3DCMP_NOTEQUAL, "NOTEQUAL"},
    {D3DCMP_GREATEREQUAL, "GREATEREQUAL"}, {D3DCMP_ALWAYS, "ALWAYS"},
};
constexpr Named kMaterialSources[] = {
    {D3DMCS_MATERIAL, "MATERIAL"}, {D3DMCS_COLOR1, "COLOR1"}, {D3DMCS_COLOR2, "COLOR2"}};
constexpr Named kBlendOps[] = {{1, "ADD"}, {2, "SUBTRACT"}, {3, "REVSUBTRACT"}, {4, "MIN"}, {5, "MAX"}};

// How a state's value is written: one of its names, a colour in hexadecimal, or a number.
enum class Written { Named, Colour, Number };

struct RenderStateNames {
    D3DRENDERSTATETYPE state;
    const char* name;
    Written written;
    Names values;
};

const RenderStateNames kRenderStates[] = {
    {D3DRS_ZENABLE, "ZENABLE", Written::Named, kBools},
    {D3DRS_FILLMODE, "FILLMODE", Written::Named, kFillModes},
    {D3DRS_SHADEMODE, "SHADEMODE", Written::Named, kShadeModes},
    {D3DRS_ZWRITEENABLE, "ZWRITEENABLE", Written::Named, kBools},
    {D3DRS_ALPHATESTENABLE, "ALPHATESTENABLE", Written::Named, kBools},
    {D3DRS_SRCBLEND, "SRCBLEND", Written::Named, kBlends},
    {D3DRS_DESTBLEND, "DESTBLEND", Written::Named, kBlends},
    {D3DRS_CULLMODE, "CULLMODE", Written::Named, kCulls},
    {D3DRS_ZFUNC, "ZFUNC", Written::Named, kCompares},
    {D3DRS_ALPHAREF, "ALPHAREF", Written::Number, {}},
    {D3DRS_ALPHAFUNC, "ALPHAFUNC", Written::Named, kCompares},
    {D3DRS_DITHERENABLE, "DITHERENABLE", Written::Named, kBools},
    {D3DRS_ALPHABLENDENABLE, "ALPHABLENDENABLE", Written::Named, kBools},
    {D3DRS_FOGENABLE, "FOGENABLE", Written::Named, kBools},
    {D3DRS_SPECULARENABLE, "SPECULARENABLE", Written::Named, kBools},
    {D3DRS_LIGHTING, "LIGHTING", Written::Named, kBools},
    {D3DRS_AMBIENT, "AMBIENT", Written::Colour, {}},
    {D3DRS_COLORVERTEX, "COLORVERTEX", Written::Named, kBools},
    {D3DRS_NORMALIZENORMALS, "NORMALIZENORMALS", Written::Named, kBools},
    {D3DRS_DIFFUSEMATERIALSOURCE, "DIFFUSEMATERIALSOURCE", Written::Named, kMaterialSources},
    {D3DRS_SPECULARMATERIALSOURCE, "SPECULARMATERIALSOURCE", Written::Named, kMaterialSources},
    {D3DRS_AMBIENTMATERIALSOURCE, "AMBIENTMATERIALSOURCE", Written::Named, kMaterialSources},
    {D3DRS_EMISSIVEMATERIALSOURCE, "EMISSIVEMATERIALSOURCE", Written::Named, kMaterialSources},
    {D3DRS_BLENDOP, "BLENDOP", Written::Named, kBlendOps},
};

const RenderStateNames* FindRenderState(D3DRENDERSTATETYPE state)
{
    for (const RenderStateNames& names : kRenderStates)
        if (names.state == state) return &names;
    return nullptr;
}

constexpr Named kStageStates[] = {
    {D3DTSS_COLOROP, "COLOROP"},     {D3DTSS_COLORARG1, "COLORARG1"}, {D3DTSS_COLORARG2, "COLORARG2"},
    {D3DTSS_ALPHAOP, "ALPHAOP"},     {D3DTSS_ALPHAARG1, "ALPHAARG1"}, {D3DTSS_ALPHAARG2, "ALPHAARG2"},
    {D3DTSS_TEXCOORDINDEX, "TEXCOORDINDEX"},
};
constexpr Named kTextureOps[] = {
    {D3DTOP_DISABLE, "DISABLE"},     {D3DTOP_SELECTARG1, "SELECTARG1"}, {D3DTOP_SELECTARG2, "SELECTARG2"},
    {D3DTOP_MODULATE, "MODULATE"},   {D3DTOP_MODULATE2X, "MODULATE2X"}, {D3DTOP_MODULATE4X, "MODULATE4X"},
    {D3DTOP_ADD, "ADD"},
};
constexpr Named kTextureArgs[] = {{D3DTA_DIFFUSE, "DIFFUSE"}, {D3DTA_CURRENT, "CURRENT"}, {D3DTA_TEXTURE, "TEXTURE"}};

constexpr Named kSamplerStates[] = {
    {D3DSAMP_ADDRESSU, "ADDRESSU"},   {D3DSAMP_ADDRESSV, "ADDRESSV"}, {D3DSAMP_MAGFILTER, "MAGFILTER"},
    {D3DSAMP_MINFILTER, "MINFILTER"}, {D3DSAMP_MIPFILTER, "MIPFILTER"},
};
constexpr Named kAddresses[] = {
    {D3DTADDRESS_WRAP, "WRAP"}, {D3DTADDRESS_MIRROR, "MIRROR"}, {D3DTADDRESS_CLAMP, "CLAMP"}};
constexpr Named kTextureFilters[] = {{D3DTEXF_NONE, "NONE"}, {D3DTEXF_POINT, "POINT"}, {D3DTEXF_LINEAR, "LINEAR"}};

constexpr Named kFormats[] = {
    {D3DFMT_UNKNOWN, "UNKNOWN"},   {D3DFMT_R8G8B8, "R8G8B8"},     {D3DFMT_A8R8G8B8, "A8R8G8B8"},
    {D3DFMT_X8R8G8B8, "X8R8G8B8"}, {D3DFMT_R5G6B5, "R5G6B5"},     {D3DFMT_X1R5G5B5, "X1R5G5B5"},
    {D3DFMT_A1R5G5B5, "A1R5G5B5"}, {D3DFMT_D16, "D16"},           {D3DFMT_D24S8, "D24S8"},
    {D3DFMT_INDEX16, "INDEX16"},   {D3DFMT_INDEX32, "INDEX32"},
};

}  // namespace

Label Bool(BOOL value) { return OneOf(DWORD(value), kBools); }

Label RenderState(D3DRENDERSTATETYPE state)
{
    const RenderStateNames* names = FindRenderState(state);
    return names ? Label{names->name} : Label{std::to_string(state)};
}

Label RenderStateValue(D3DRENDERSTATETYPE state, DWORD value)
{
    const RenderStateNames* names = FindRenderState(state);
    if (names && names->written == Written::Named) return OneOf(value, names->values);
    if (names && names->written == Written::Colour) return Label{HexText(value)};
    return Label{std::to_string(value)};
}

Label StageState(D3DTEXTURESTAGESTATETYPE type) { return OneOf(type, kStageStates); }

Label StageStateValue(D3DTEXTURESTAGESTATETYPE type, DWORD value)
{
    switch (type) {
    case D3DTSS_COLOROP:
    case D3DTSS_ALPHAOP:
        return OneOf(value, kTextureOps);
    case D3DTSS_COLORARG1:
    case D3DTSS_COLORARG2:
    case D3DTSS_ALPHAARG1:
    case D3DTSS_ALPHAARG2:
        return OneOf(value, kTextureArgs);
    default:
        return Label{std::to_string(value)};
    }
}

Label SamplerState(D3DSAMPLERSTATETYPE type) { return OneOf(type, kSamplerStates); }

Label SamplerStateValue(D3DSAMPLERSTATETYPE type, DWORD value)
{
    switch (type) {
    case D3DSAMP_ADDRESSU:
    case D3DSAMP_ADDRESSV:
        return OneOf(value, kAddresses);
    case D3DSAMP_MAGFILTER:
    case D3DSAMP_MINFILTER:
    case D3DSAMP_MIPFILTER:
        return OneOf(value, kTextureFilters);
    default:
        return Label{std::to_string(value)};
    }
}

Label Transform(D3DTRANSFORMSTATETYPE state)
{
    if (state >= D3DTS_TEXTURE0 && state < D3DTS_TEXTURE0 + 8)
        return Label{"TEXTURE" + std::to_string(state - D3DTS_TEXTURE0)};
    static constexpr Named kTransforms[] = {
        {D3DTS_VIEW, "VIEW"}, {D3DTS_PROJECTION, "PROJECTION"}, {D3DTS_WORLD, "WORLD"}};
    return OneOf(state, kTransforms);
}

Label Format(D3DFORMAT format) { return OneOf(format, kFormats); }

Label Pool(D3DPOOL pool)
{
    static constexpr Named kPools[] = {{D3DPOOL_DEFAULT, "DEFAULT"},
                                       {D3DPOOL_MANAGED, "MANAGED"},
                                       {D3DPOOL_SYSTEMMEM, "SYSTEMMEM"},
                                       {D3DPOOL_SCRATCH, "SCRATCH"}};
    return OneOf(pool, kPools);
}

Label Usage(DWORD usage)
{
    static constexpr Named kUsages[] = {{D3DUSAGE_WRITEONLY, "WRITEONLY"}};
    return FlagsOf(usage, kUsages);
}

Label DeviceType(D3DDEVTYPE type)
{
    static constexpr Named kTypes[] = {{D3DDEVTYPE_HAL, "HAL"}, {D3DDEVTYPE_REF, "REF"}, {D3DDEVTYPE_SW, "SW"}};
    return OneOf(type, kTypes);
}

Label Behaviour(DWORD flags)
{
    static constexpr Named kBehaviours[] = {{D3DCREATE_SOFTWARE_VERTEXPROCESSING, "SOFTWARE_VERTEXPROCESSING"},
                                            {D3DCREATE_HARDWARE_VERTEXPROCESSING, "HARDWARE_VERTEXPROCESSING"},
                                            {D3DCREATE_MIXED_VERTEXPROCESSING, "MIXED_VERTEXPROCESSING"}};
    return FlagsOf(flags, kBehaviours);
}

Label Fvf(DWORD fvf)
{
    static constexpr Named kParts[] = {{D3DFVF_XYZ, "XYZ"},         {D3DFVF_XYZRHW, "XYZRHW"},
                                       {D3DFVF_NORMAL, "NORMAL"},   {D3DFVF_PSIZE, "PSIZE"},
                                       {D3DFVF_DIFFUSE, "DIFFUSE"}, {D3DFVF_SPECULAR, "SPECULAR"}};
    // The texture coordinate count is a number in four bits, not a set of flags.
    const DWORD texCount = (fvf & D3DFVF_TEXCOUNT_MASK) >> D3DFVF_TEXCOUNT_SHIFT;
    const std::string parts = FlagsOf(fvf & ~DWORD(D3DFVF_TEXCOUNT_MASK), kParts).text;
    if (texCount == 0) return Label{parts};
    const std::string tex = "TEX" + std::to_string(texCount);
    return Label{parts == "0" ? tex : parts + "|" + tex};
}

Label Primitive(D3DPRIMITIVETYPE type)
{
    static constexpr Named kPrimitives[] = {
        {D3DPT_POINTLIST, "POINTLIST"},       {D3DPT_LINELIST, "LINELIST"},
        {D3DPT_LINESTRIP, "LINESTRIP"},       {D3DPT_TRIANGLELIST, "TRIANGLELIST"},
        {D3DPT_TRIANGLESTRIP, "TRIANGLESTRIP"}, {D3DPT_TRIANGLEFAN, "TRIANGLEFAN"}};
    return OneOf(type, kPrimitives);
}

Label ClearFlags(DWORD flags)
{
    static constexpr Named kClears[] = {
        {D3DCLEAR_TARGET, "TARGET"}, {D3DCLEAR_ZBUFFER, "ZBUFFER"}, {D3DCLEAR_STENCIL, "STENCIL"}};
    return FlagsOf(flags, kClears);
}

Label LightType(D3DLIGHTTYPE type)
{
    static constexpr Named kLights[] = {
        {D3DLIGHT_POINT, "POINT"}, {D3DLIGHT_SPOT, "SPOT"}, {D3DLIGHT_DIRECTIONAL, "DIRECTIONAL"}};
    return OneOf(type, kLights);
}

Label PresentParams(const D3DPRESENT_PARAMETERS& p)
{
    static constexpr Named kMultiSamples[] = {{D3DMULTISAMPLE_NONE, "NONE"}};
    static constexpr Named kSwapEffects[] = {
        {D3DSWAPEFFECT_DISCARD, "DISCARD"}, {D3DSWAPEFFECT_FLIP, "FLIP"}, {D3DSWAPEFFECT_COPY, "COPY"}};
    static constexpr Named kPresentFlags[] = {{D3DPRESENTFLAG_LOCKABLE_BACKBUFFER, "LOCKABLE_BACKBUFFER"}};
    static constexpr Named kIntervals[] = {{D3DPRESENT_INTERVAL_DEFAULT, "DEFAULT"},
                                           {D3DPRESENT_INTERVAL_ONE, "ONE"},
                                           {D3DPRESENT_INTERVAL_IMMEDIATE, "IMMEDIATE"}};
    return Fields(p.BackBufferWidth, p.BackBufferHeight, Format(p.BackBufferFormat), p.BackBufferCount,
                  OneOf(p.MultiSampleType, kMultiSamples), p.MultiSampleQuality, OneOf(p.SwapEffect, kSwapEffects),
                  p.hDeviceWindow, Bool(p.Windowed), Bool(p.EnableAutoDepthStencil), Format(p.AutoDepthStencilFormat),
                  FlagsOf(p.Flags, kPresentFlags), p.FullScreen_RefreshRateInHz,
                  OneOf(p.PresentationInterval, kIntervals));
}

Label Size(UINT size) { return size == D3DX_DEFAULT ? Label{"DEFAULT"} : Label{std::to_string(size)}; }

Label Filter(DWORD filter)
{
    static constexpr Named kFilters[] = {{D3DX_DEFAULT, "DEFAULT"},
                                         {D3DX_FILTER_NONE, "NONE"},
                                         {D3DX_FILTER_POINT, "POINT"},
                                         {D3DX_FILTER_LINEAR, "LINEAR"}};
    return OneOf(filter, kFilters);
}

Label MeshOptions(DWORD options)
{
    static constexpr Named kOptions[] = {
        {D3DXMESH_32BIT, "32BIT"}, {D3DXMESH_SYSTEMMEM, "SYSTEMMEM"}, {D3DXMESH_MANAGED, "MANAGED"}};
    return FlagsOf(options, kOptions);
}

Label SoundCooperation(DWORD level)
{
    static constexpr Named kLevels[] = {{DSSCL_NORMAL, "NORMAL"},
                                        {DSSCL_PRIORITY, "PRIORITY"},
                                        {DSSCL_EXCLUSIVE, "EXCLUSIVE"},
                                        {DSSCL_WRITEPRIMARY, "WRITEPRIMARY"}};
    return OneOf(level, kLevels);
}

Label BufferCaps(DWORD flags)
{
    static constexpr Named kCaps[] = {
        {DSBCAPS_PRIMARYBUFFER, "PRIMARYBUFFER"},
        {DSBCAPS_STATIC, "STATIC"},
        {DSBCAPS_LOCHARDWARE, "LOCHARDWARE"},
        {DSBCAPS_LOCSOFTWARE, "LOCSOFTWARE"},
        {DSBCAPS_CTRL3D, "CTRL3D"},
        {DSBCAPS_CTRLFREQUENCY, "CTRLFREQUENCY"},
        {DSBCAPS_CTRLPAN, "CTRLPAN"},
        {DSBCAPS_CTRLVOLUME, "CTRLVOLUME"},
        {DSBCAPS_CTRLPOSITIONNOTIFY, "CTRLPOSITIONNOTIFY"},
        {DSBCAPS_STICKYFOCUS, "STICKYFOCUS"},
        {DSBCAPS_GLOBALFOCUS, "GLOBALFOCUS"},
        {DSBCAPS_GETCURRENTPOSITION2, "GETCURRENTPOSITION2"},
        {DSBCAPS_MUTE3DATMAXDISTANCE, "MUTE3DATMAXDISTANCE"},
        {DSBCAPS_LOCDEFER, "LOCDEFER"},
    };
    return FlagsOf(flags, kCaps);
}

Label PlayFlags(DWORD flags)
{
    static constexpr Named kPlays[] = {{DSBPLAY_LOOPING, "LOOPING"}};
    return FlagsOf(flags, kPlays);
}

Label LockFlags(DWORD flags)
{
    static constexpr Named kLocks[] = {{DSBLOCK_FROMWRITECURSOR, "FROMWRITECURSOR"},
                                       {DSBLOCK_ENTIREBUFFER, "ENTIREBUFFER"}};
    return FlagsOf(flags, kLocks);
}

Label WaveFormatTag(WORD tag)
{
    static constexpr Named kTags[] = {{WAVE_FORMAT_PCM, "PCM"}};
    return OneOf(tag, kTags);
}

Label Guid(REFGUID id)
{
    if (id == CLSID_DirectMusicSegment) return Label{"DirectMusicSegment"};
    if (id == GUID_DirectMusicAllTypes) return Label{"DirectMusicAllTypes"};
    if (id == IID_IDirectMusicSegment8) return Label{"IDirectMusicSegment8"};
    return Label{"other"};
}

Label AudioPath(DWORD pathType)
{
    static constexpr Named kPaths[] = {{DMUS_APATH_SHARED_STEREOPLUSREVERB, "SHARED_STEREOPLUSREVERB"},
                                       {DMUS_APATH_DYNAMIC_3D, "DYNAMIC_3D"},
                                       {DMUS_APATH_DYNAMIC_MONO, "DYNAMIC_MONO"},
                                       {DMUS_APATH_DYNAMIC_STEREO, "DYNAMIC_STEREO"}};
    return OneOf(pathType, kPaths);
}

Label AudioFlags(DWORD flags)
{
    static constexpr Named kFlags[] = {{DMUS_AUDIOF_ALL, "ALL"},           {DMUS_AUDIOF_3D, "3D"},
                                       {DMUS_AUDIOF_ENVIRON, "ENVIRON"},   {DMUS_AUDIOF_EAX, "EAX"},
                                       {DMUS_AUDIOF_DMOS, "DMOS"},         {DMUS_AUDIOF_STREAMING, "STREAMING"},
                                       {DMUS_AUDIOF_BUFFERS, "BUFFERS"}};
    return FlagsOf(flags, kFlags);
}

Label Repeats(DWORD repeats)
{
    return repeats == DMUS_SEG_REPEAT_INFINITE ? Label{"REPEAT_INFINITE"} : Label{std::to_string(repeats)};
}

Label DeviceClass(DWORD deviceClass)
{
    static constexpr Named kClasses[] = {{DI8DEVCLASS_ALL, "ALL"},
                                         {DI8DEVCLASS_DEVICE, "DEVICE"},
                                         {DI8DEVCLASS_POINTER, "POINTER"},
                                         {DI8DEVCLASS_KEYBOARD, "KEYBOARD"},
                                         {DI8DEVCLASS_GAMECTRL, "GAMECTRL"}};
    return OneOf(deviceClass, kClasses);
}

Label EnumFlags(DWORD flags)
{
    static constexpr Named kFlags[] = {{DIEDFL_ALLDEVICES, "ALLDEVICES"}, {DIEDFL_ATTACHEDONLY, "ATTACHEDONLY"}};
    return FlagsOf(flags, kFlags);
}

Label InputCooperation(DWORD flags)
{
    static constexpr Named kFlags[] = {{DISCL_EXCLUSIVE, "EXCLUSIVE"},
                                       {DISCL_NONEXCLUSIVE, "NONEXCLUSIVE"},
                                       {DISCL_FOREGROUND, "FOREGROUND"},
                                       {DISCL_BACKGROUND, "BACKGROUND"}};
    return FlagsOf(flags, kFlags);
}

Label ObjectTypes(DWORD flags)
{
    static constexpr Named kTypes[] = {{DIDFT_ALL, "ALL"},   {DIDFT_AXIS, "AXIS"},   {DIDFT_RELAXIS, "RELAXIS"},
                                       {DIDFT_ABSAXIS, "ABSAXIS"}, {DIDFT_BUTTON, "BUTTON"},
                                       {DIDFT_PSHBUTTON, "PSHBUTTON"}, {DIDFT_POV, "POV"}};
    return FlagsOf(flags, kTypes);
}

Label PropertyHow(DWORD how)
{
    static constexpr Named kHows[] = {{DIPH_DEVICE, "DEVICE"}, {DIPH_BYOFFSET, "BYOFFSET"}, {DIPH_BYID, "BYID"}};
    return OneOf(how, kHows);
}

Label AxisMode(DWORD mode)
{
    static constexpr Named kModes[] = {{DIPROPAXISMODE_ABS, "ABS"}, {DIPROPAXISMODE_REL, "REL"}};
    return OneOf(mode, kModes);
}

Label ClassStyle(UINT style)
{
    static constexpr Named kStyles[] = {{CS_DBLCLKS, "DBLCLKS"}};
    return FlagsOf(style, kStyles);
}

Label WindowStyle(DWORD style)
{
    static constexpr Named kStyles[] = {{WS_OVERLAPPEDWINDOW, "OVERLAPPEDWINDOW"}};
    return FlagsOf(style, kStyles);
}

Label WindowPosition(int position)
{
    return position == CW_USEDEFAULT ? Label{"USEDEFAULT"} : Label{std::to_string(position)};
}

Label ShowCommand(int command)
{
    static constexpr Named kCommands[] = {
        {SW_HIDE, "HIDE"}, {SW_SHOWNORMAL, "SHOWNORMAL"}, {SW_SHOW, "SHOW"}, {SW_SHOWDEFAULT, "SHOWDEFAULT"}};
    return command < 0 ? Label{std::to_string(command)} : OneOf(DWORD(command), kCommands);
}

Label MessageBoxType(UINT type)
{
    static constexpr Named kTypes[] = {{MB_OK, "OK"}, {MB_YESNO, "YESNO"}, {MB_ICONHAND, "ICONHAND"}};
    return FlagsOf(type, kTypes);
}

Label Message(UINT message)
{
    static constexpr Named kMessages[] = {{WM_NULL, "NULL"},       {WM_CREATE, "CREATE"}, {WM_DESTROY, "DESTROY"},
                                          {WM_CLOSE, "CLOSE"},     {WM_QUIT, "QUIT"},     {WM_KEYDOWN, "KEYDOWN"},
                                          {WM_KEYUP, "KEYUP"},     {WM_CHAR, "CHAR"}};
    return OneOf(message, kMessages);
}

Label PeekFlags(UINT flags)
{
    static constexpr Named kFlags[] = {{PM_NOREMOVE, "NOREMOVE"}, {PM_REMOVE, "REMOVE"}};
    return FlagsOf(flags, kFlags);
}

}  // namespace fake::name
