// The globals a replay hashes and resets, and the checksum over them and g_world.
#include "support/game_state.h"

#include <cstring>
#include <iterator>
#include <vector>

#include "audio/music.h"
#include "audio/wave_reader.h"
#include "core/game_world.h"
#include "core/globals.h"
#include "core/scene.h"
#include "game/boss.h"
#include "game/ending.h"
#include "game/energy.h"
#include "game/missile_manoeuvre.h"
#include "game/player_control.h"
#include "game/staff_roll.h"
#include "game/stage_loading.h"
#include "game/stage_warning.h"
#include "game/title.h"
#include "graphics/effects.h"
#include "input/joystick.h"

namespace game_state {

namespace {

template <class T>
constexpr Global Value(const char* name, T& global)
{
    return {name, &global, sizeof global, Hash::Bytes};
}

template <class T>
constexpr Global Handle(const char* name, T& global)
{
    static_assert(sizeof(T) == sizeof(void*), "a handle is one pointer");
    return {name, &global, sizeof global, Hash::Presence};
}

template <class T>
constexpr Global Kept(const char* name, T& global)
{
    return {name, &global, sizeof global, Hash::None};
}

constexpr Global kGlobals[] = {
    // The start-up's objects: which ones exist.
    Handle("g_hWnd", g_hWnd),
    Handle("g_hInstance", g_hInstance),
    Handle("g_directSound", g_directSound),
    Handle("g_primaryBuffer", g_primaryBuffer),
    Handle("g_sndEnter", g_sndEnter),
    Handle("g_sndShot", g_sndShot),
    Handle("g_sndEnemyDie", g_sndEnemyDie),
    Handle("g_sndDamage", g_sndDamage),
    Handle("g_sndSiren", g_sndSiren),
    Handle("g_sndLaser", g_sndLaser),
    Handle("g_sndBossDie", g_sndBossDie),
    Handle("g_d3d", g_d3d),
    Handle("g_device", g_device),
    Kept("g_presentParams", g_presentParams),
    Handle("g_sprite", g_sprite),
    Handle("g_texScoreboard", g_texScoreboard),
    Handle("g_texTitle", g_texTitle),
    Handle("g_texGame", g_texGame),
    Handle("g_texGlyphs", g_texGlyphs),
    Handle("g_texEnding", g_texEnding),
    Handle("g_sceneFunc", g_sceneFunc),
    // Input.
    Handle("g_directInput", g_directInput),
    Handle("g_joystick", g_joystick),
    Value("g_joystickCaps", g_joystickCaps),
    Value("g_joystickPresent", g_joystickPresent),
    // Sound and music.
    Handle("g_waveFile", g_waveFile),
    Handle("g_waveFormat", g_waveFormat),
    Value("g_waveRiffChunk", g_waveRiffChunk),
    Value("g_waveDataChunk", g_waveDataChunk),
    Handle("g_musicLoader", g_musicLoader),
    Handle("g_musicPerformance", g_musicPerformance),
    Handle("g_musicSegment", g_musicSegment),
    // The title.
    Value("g_logoPosA", g_logoPosA),
    Value("g_logoPosB", g_logoPosB),
    Value("g_titleFlags", g_titleFlags),
    Value("g_blinkCounter", g_blinkCounter),
    Value("g_blinkFlag", g_blinkFlag),
    Value("g_enterLatch", g_enterLatch),
    // The stage loading.
    Value("g_stageEnemyCount", g_stageEnemyCount),
    Value("g_enemySlotFilled", g_enemySlotFilled),
    Value("g_glyphRectsA", g_glyphRectsA),
    Value("g_glyphRectsB", g_glyphRectsB),
    Value("g_digitRects", g_digitRects),
    // The craft's controls and weapons.
    Value("g_fireLatch", g_fireLatch),
    Value("g_autoFireCounter", g_autoFireCounter),
    Value("g_missilePhase", g_missilePhase),
    Value("g_missileReturnWait", g_missileReturnWait),
    Value("g_energy", g_energy),
    Value("g_displayedEnergy", g_displayedEnergy),
    Value("g_energyDigits", g_energyDigits),
    // The effect quads.
    Value("g_explosionQuads", g_explosionQuads),
    Value("g_explosionActive", g_explosionActive),
    Value("g_explosionWorld", g_explosionWorld),
    Value("g_explosionCellU", g_explosionCellU),
    Value("g_explosionCellV", g_explosionCellV),
    Value("g_flameQuad", g_flameQuad),
    Value("g_stripCellU", g_stripCellU),
    Value("g_stripToggle", g_stripToggle),
    Value("g_laserQuad", g_laserQuad),
    Value("g_laserFrame", g_laserFrame),
    Value("g_laserActive", g_laserActive),
    // The stage's warning and siren, and the boss fight.
    Value("g_warningAlpha", g_warningAlpha),
    Value("g_warningStep", g_warningStep),
    Value("g_sirenCounter", g_sirenCounter),
    Value("g_bossPhase", g_bossPhase),
    Kept("g_attackPatterns", g_attackPatterns),
    // The ending and its staff roll.
    Value("g_endingAlphaStep", g_endingAlphaStep),
    Value("g_staffLinePos", g_staffLinePos),
    Value("g_staffLineIndex", g_staffLineIndex),
    Value("g_staffLineHold", g_staffLineHold),
    Value("g_staffLineAlpha", g_staffLineAlpha),
};
// Hashed byte for byte, so without padding.
static_assert(sizeof(EffectVertex) == 24 && sizeof(D3DXMATRIXA16) == 64);

// The pools of g_world in their order; a pool added to GameWorld must be added here.
struct Pool {
    GameObject* objects;
    size_t count;
};
const Pool kPools[] = {
    {g_world.walls, 2},          {&g_world.player, 1},        {g_world.playerShots, 15},
    {g_world.missiles, 11},      {g_world.enemyTemplates, 7}, {g_world.enemies, 381},
    {g_world.enemyShots, 50},    {g_world.bossBombs, 40},     {&g_world.sky, 1},
    {&g_world.boss, 1},
};
constexpr size_t kPoolObjects = 2 + 1 + 15 + 11 + 7 + 381 + 50 + 40 + 1 + 1;
static_assert(sizeof(GameWorld) == kPoolObjects * sizeof(GameObject), "every pool of GameWorld is listed");

std::unique_ptr<Snapshot>& TheStart()
{
    static std::unique_ptr<Snapshot> start;
    return start;
}

class Fnv1a {
public:
    void Add(const void* data, size_t size)
    {
        const auto* bytes = static_cast<const unsigned char*>(data);
        for (size_t i = 0; i < size; ++i) hash_ = (hash_ ^ bytes[i]) * 0x100000001B3ull;
    }
    template <class T>
    void Add(const T& value)
    {
        Add(&value, sizeof value);
    }
    uint64_t Value() const { return hash_; }

private:
    uint64_t hash_ = 0xCBF29CE484222325ull;
};

// Field by field: the pointers differ from run to run, and padding holds no value.
void AddObject(Fnv1a& hash, const GameObject& object)
{
    hash.Add(object.materialCount);
    hash.Add(object.pos);
    hash.Add(object.rot);
    hash.Add(object.scale);
    hash.Add(object.colour);
    hash.Add(object.sphere.centre);
    hash.Add(object.sphere.radius);
    hash.Add(object.radiusFactor);
    hash.Add(object.life);
    hash.Add(object.timer);
    hash.Add(object.fireCounter);
    hash.Add(object.fireInterval);
    hash.Add(object.fireFlag);
    hash.Add(object.type);
    hash.Add(object.state);
}

bool Present(const Global& global)
{
    const auto* bytes = static_cast<const unsigned char*>(global.address);
    for (size_t i = 0; i < global.size; ++i)
        if (bytes[i] != 0) return true;
    return false;
}

}  // namespace

std::span<const Global> Globals() { return kGlobals; }

Snapshot::Snapshot() : world_(std::make_unique<GameWorld>(g_world))
{
    for (const Global& global : kGlobals) {
        const auto* bytes = static_cast<const unsigned char*>(global.address);
        globals_.emplace_back(bytes, bytes + global.size);
    }
}

void Snapshot::Restore() const
{
    g_world = *world_;
    for (size_t i = 0; i < std::size(kGlobals); ++i)
        std::memcpy(kGlobals[i].address, globals_[i].data(), kGlobals[i].size);
}

void RememberStart() { TheStart() = std::make_unique<Snapshot>(); }

void ResetToStart()
{
    if (TheStart()) TheStart()->Restore();
}

uint64_t Checksum()
{
    Fnv1a hash;
    for (const Pool& pool : kPools) {
        for (size_t i = 0; i < pool.count; ++i) AddObject(hash, pool.objects[i]);
    }
    for (const Global& global : kGlobals) {
        if (global.hash == Hash::Bytes) hash.Add(global.address, global.size);
        if (global.hash == Hash::Presence) hash.Add(Present(global));
    }
    return hash.Value();
}

}  // namespace game_state
