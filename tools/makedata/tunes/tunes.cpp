// Writes the four tunes into DATA/snd.
#include "makedata.h"
#include "sounds/sound_folder.h"
#include "tunes/compositions.h"

namespace makedata {

void WriteTunes(const std::filesystem::path& dataDir)
{
    using namespace tune;
    const std::filesystem::path folder = SoundFolder(dataDir);
    WriteBytes(folder / "title.mid", EncodeTune(ComposeTitle()));
    WriteBytes(folder / "stage01.mid", EncodeTune(ComposeStage()));
    WriteBytes(folder / "boss.mid", EncodeTune(ComposeBoss()));
    WriteBytes(folder / "ending.mid", EncodeTune(ComposeEnding()));
}

}  // namespace makedata
