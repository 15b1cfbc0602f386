// The game's state as a replay sees it: g_world and the globals the game keeps from frame
// to frame, hashed into one checksum, and set back to their values at program start so
// that every run starts from a program that has not run.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>
#include <vector>

#include "core/game_world.h"

namespace game_state {

// How a global enters the checksum.
enum class Hash {
    Bytes,     // every byte: plain values without padding
    Presence,  // null or not: a pointer, whose address differs from run to run
    None,      // only set back to its start (a record with padding between its fields)
};

struct Global {
    const char* name;
    void* address;
    size_t size;
    Hash hash;
};

// Every global beside g_world, in the order they are hashed. A scene adds its own to the
// list in game_state.cpp when it adds them to the game.
std::span<const Global> Globals();

// g_world and every listed global as they were when it was made, put back on demand: a
// frame can then be played again from the same state.
class Snapshot {
public:
    Snapshot();
    void Restore() const;

private:
    std::unique_ptr<GameWorld> world_;
    std::vector<std::vector<unsigned char>> globals_;
};

// Keeps the start values of g_world and of every listed global. main calls it once,
// before any test has run the game.
void RememberStart();
// Sets g_world and every listed global back to their start values.
void ResetToStart();

// FNV-1a over the value fields of every object of g_world, pool by pool (never the
// mesh, material and texture pointers), then over the listed globals.
uint64_t Checksum();

}  // namespace game_state
