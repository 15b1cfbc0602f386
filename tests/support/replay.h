// Replays: the whole game (its real WinMain) on the stand-ins, fed a per-frame script of
// keys and controller states from its first frame, with a checksum of the game's state
// (game_state.h) taken every few frames. The game has no randomness, so a recorded table of
// checksums pins a scene's whole behaviour, and a test fails at the first checkpoint that
// differs. Re-record only for a change you mean:
//   VELTRANE_RECORD_REPLAY=1 ./tests/veltrane_tests --gtest_filter=...
// prints each replay's table as C++ to paste over the old one.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "dinput.h"

namespace replay {

struct KeyEvent {
    int frame;  // the key goes down or up just before this frame runs
    int virtualKey;
    bool down;
};

struct ControllerEvent {
    int frame;  // held from this frame on
    DIJOYSTATE state;  // fake::ControllerState makes one
};

struct Script {
    int frames = 1;  // frames presented (at least one); the game is told to quit after the last
    int checkpointEvery = 60;  // a checkpoint after frames 0, N, 2N, ... and after the last; 0: the last only
    std::vector<KeyEvent> keys;
    bool controllerAttached = false;  // found at start-up, centred until an event moves it
    std::vector<ControllerEvent> controller;
};

struct Checkpoint {
    int frame;
    uint64_t checksum;
    bool operator==(const Checkpoint&) const = default;
};

// Runs WinMain on fresh stand-ins from a program that has not run, plays the script into
// it and returns the checkpoints taken; the game is set back to its start afterwards.
// afterFrame, when given, runs after each frame is presented and before its checkpoint.
std::vector<Checkpoint> Play(const Script& script, const std::function<void(int frame)>& afterFrame = {});

// The first checkpoint where the played run leaves the recorded one: a different checksum,
// a recorded checkpoint the run never reached, or one it took that was never recorded.
struct Difference {
    int frame;
    std::string what;
};
std::optional<Difference> FirstDifference(std::span<const Checkpoint> recorded, std::span<const Checkpoint> played);

// A test's check of a replay named `name`: fails naming the first frame that differs. While
// VELTRANE_RECORD_REPLAY=1 it prints the played table instead, and passes.
::testing::AssertionResult Matches(const char* name, std::span<const Checkpoint> recorded,
                                   std::span<const Checkpoint> played);

}  // namespace replay
