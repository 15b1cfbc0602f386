// Writes the seven sound effects into DATA/snd.
#include "makedata.h"
#include "sounds/effects.h"
#include "sounds/sound_folder.h"
#include "sounds/wave_writer.h"

namespace {

void WriteSounds(const std::filesystem::path& dataDir)
{
    using namespace makedata::sound;
    const std::filesystem::path folder = makedata::SoundFolder(dataDir);
    makedata::WriteBytes(folder / "enter.wav", EncodeWave(MakeEnter()));
    makedata::WriteBytes(folder / "shot.wav", EncodeWave(MakeShot()));
    makedata::WriteBytes(folder / "EnemyDie.wav", EncodeWave(MakeEnemyDie()));
    makedata::WriteBytes(folder / "damege.wav", EncodeWave(MakeDamage()));
    makedata::WriteBytes(folder / "siren.wav", EncodeWave(MakeSiren()));
    makedata::WriteBytes(folder / "laser.wav", EncodeWave(MakeLaser()));
    makedata::WriteBytes(folder / "BossDie.wav",
                         EncodeWave(MakeBossDie(), {{"INAM", "Boss explosion"}, {"ISFT", "Veltrane makedata"}}));
}

const makedata::Registration registration("sounds", WriteSounds);

}  // namespace
