// Records the file loads of D3DX, which still do their real work on the device stand-in.
#pragma once

namespace fake {

void InstallLoadRecorder();
void UninstallLoadRecorder();

}  // namespace fake
