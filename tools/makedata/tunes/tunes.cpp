// Writes the four tunes into DATA/snd.
#include "makedata.h"
#include "sounds/sound_folder.h"
#include "tunes/compositions.h"

namespace {

void WriteTunes(const std::filesystem::path& dataDir)
{
    using namespace makedata::tune;
    const std::filesystem::path folder = makedata::SoundFolder(dataDir);
    makedata::WriteBytes(folder / "title.mid", EncodeTune(ComposeTitle()));
    makedata::WriteBytes(folder / "stage01.mid", EncodeTune(ComposeStage()));
    makedata::WriteBytes(folder / "boss.mid", EncodeTune(ComposeBoss()));
    makedata::WriteBytes(folder / "ending.mid", EncodeTune(ComposeEnding()));
}

const makedata::Registration registration("tunes", WriteTunes);

}  // namespace
