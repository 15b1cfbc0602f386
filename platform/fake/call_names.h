// How the call record names the values the game passes: the constants of Direct3D, D3DX,
// DirectSound, DirectMusic, DirectInput and the window calls, spelt as in the headers
// without their prefix ("ZENABLE", "X8R8G8B8", "SRCALPHA", "XYZ|NORMAL|TEX1"). A value
// with no name is written as a number, so the record never hides what the game passed.
#pragma once

#include "call_log.h"
#include "d3d9.h"
#include "d3dx9.h"
#include "dinput.h"
#include "dmusici.h"
#include "dsound.h"
#include "windows.h"

namespace fake::name {

Label Bool(BOOL value);  // TRUE, FALSE, or the number

// Direct3D.
Label RenderState(D3DRENDERSTATETYPE state);
Label RenderStateValue(D3DRENDERSTATETYPE state, DWORD value);
Label StageState(D3DTEXTURESTAGESTATETYPE type);
Label StageStateValue(D3DTEXTURESTAGESTATETYPE type, DWORD value);
Label SamplerState(D3DSAMPLERSTATETYPE type);
Label SamplerStateValue(D3DSAMPLERSTATETYPE type, DWORD value);
Label Transform(D3DTRANSFORMSTATETYPE state);
Label Format(D3DFORMAT format);
Label Pool(D3DPOOL pool);
Label Usage(DWORD usage);
Label DeviceType(D3DDEVTYPE type);
Label Behaviour(DWORD flags);
Label Fvf(DWORD fvf);
Label Primitive(D3DPRIMITIVETYPE type);
Label ClearFlags(DWORD flags);
Label LightType(D3DLIGHTTYPE type);
// Every field of the presentation parameters, in order, as one argument.
Label PresentParams(const D3DPRESENT_PARAMETERS& params);

// D3DX.
Label Size(UINT size);  // DEFAULT (D3DX_DEFAULT) or the number
Label Filter(DWORD filter);
Label MeshOptions(DWORD options);

// DirectSound.
Label SoundCooperation(DWORD level);
Label BufferCaps(DWORD flags);
Label PlayFlags(DWORD flags);
Label LockFlags(DWORD flags);
Label WaveFormatTag(WORD tag);

// DirectMusic.
Label Guid(REFGUID id);
Label AudioPath(DWORD pathType);
Label AudioFlags(DWORD flags);
Label Repeats(DWORD repeats);

// DirectInput.
Label DeviceClass(DWORD deviceClass);
Label EnumFlags(DWORD flags);
Label InputCooperation(DWORD flags);
Label ObjectTypes(DWORD flags);
Label PropertyHow(DWORD how);
Label AxisMode(DWORD mode);

// Window calls.
Label ClassStyle(UINT style);
Label WindowStyle(DWORD style);
Label WindowPosition(int position);  // USEDEFAULT or the number
Label ShowCommand(int command);
Label MessageBoxType(UINT type);
Label Message(UINT message);
Label PeekFlags(UINT flags);

}  // namespace fake::name
