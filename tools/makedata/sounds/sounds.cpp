// Writes the seven sound effects into DATA/snd.
#include "makedata.h"
#include "sounds/effects.h"
#include "sounds/sound_folder.h"
#include "sounds/wave_writer.h"

namespace makedata {

void WriteSounds(const std::filesystem::path& dataDir)
{
    using namespace sound;
    const std::filesystem::path folder = SoundFolder(dataDir);
    WriteBytes(folder / "enter.wav", EncodeWave(MakeEnter()));
    WriteBytes(folder / "shot.wav", EncodeWave(MakeShot()));
    WriteBytes(folder / "EnemyDie.wav", EncodeWave(MakeEnemyDie()));
    WriteBytes(folder / "damege.wav", EncodeWave(MakeDamage()));
    WriteBytes(folder / "siren.wav", EncodeWave(MakeSiren()));
    WriteBytes(folder / "laser.wav", EncodeWave(MakeLaser()));
    WriteBytes(folder / "BossDie.wav",
               EncodeWave(MakeBossDie(), {{"INAM", "Boss explosion"}, {"ISFT", "Veltrane makedata"}}));
}

}  // namespace makedata
