// Playing a script into the game on the stand-ins, and comparing checkpoint tables.
#include "support/replay.h"

#include <algorithm>
#include <cinttypes>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "fake/fake.h"
#include "fake/fake_d3d9.h"
#include "fake/fake_input.h"
#include "fake/fake_win32.h"
#include "shell/main_loop.h"
#include "support/fresh_game.h"
#include "support/game_state.h"
#include "windows.h"

namespace replay {

namespace {

void ApplyInput(const Script& script, int frame)
{
    for (const KeyEvent& key : script.keys) {
        if (key.frame != frame) continue;
        if (key.down)
            fake::PressKey(key.virtualKey);
        else
            fake::ReleaseKey(key.virtualKey);
    }
    for (const ControllerEvent& event : script.controller) {
        if (event.frame == frame) fake::SetControllerState(event.state);
    }
}

bool IsCheckpoint(const Script& script, int frame)
{
    return (script.checkpointEvery > 0 && frame % script.checkpointEvery == 0) || frame + 1 == script.frames;
}

std::string Hex(uint64_t value)
{
    char text[24];
    std::snprintf(text, sizeof text, "0x%016" PRIX64, value);
    return text;
}

bool Recording()
{
    const char* record = std::getenv("VELTRANE_RECORD_REPLAY");
    return record && std::strcmp(record, "1") == 0;
}

}  // namespace

std::vector<Checkpoint> Play(const Script& script, const std::function<void(int frame)>& afterFrame)
{
    game_state::ResetToStart();
    fake::Installed installed;
    if (script.controllerAttached) fake::InstallInput({{"replay controller"}});
    std::vector<Checkpoint> checkpoints;
    KeptTunes tunes;
    fake::SetFirstPeekHook([&script] { ApplyInput(script, 0); });
    fake::SetPresentHook([&](int frame) {
        tunes.Keep();
        if (afterFrame) afterFrame(frame);
        if (IsCheckpoint(script, frame)) checkpoints.push_back({frame, game_state::Checksum()});
        if (frame + 1 >= script.frames)
            fake::PostQuit(0);
        else
            ApplyInput(script, frame + 1);
    });
    WinMain(reinterpret_cast<HINSTANCE>(uintptr_t(0x400000)), nullptr, const_cast<char*>(""), SW_SHOWDEFAULT);
    fake::SetPresentHook({});  // it refers to this call's locals
    Cleanup();  // a start-up that failed returns without the shutdown
    ReleaseGameWorld();
    game_state::ResetToStart();
    return checkpoints;
}

std::optional<Difference> FirstDifference(std::span<const Checkpoint> recorded, std::span<const Checkpoint> played)
{
    for (size_t i = 0; i < recorded.size() || i < played.size(); ++i) {
        if (i >= played.size()) {
            const std::string end = played.empty() ? "before any checkpoint"
                                                   : "after the checkpoint of frame " +
                                                         std::to_string(played.back().frame);
            return Difference{recorded[i].frame, "the game ended " + end};
        }
        if (i >= recorded.size()) return Difference{played[i].frame, "played on past the recording"};
        if (played[i].frame != recorded[i].frame)
            return Difference{std::min(played[i].frame, recorded[i].frame), "checkpoints at other frames"};
        if (played[i].checksum != recorded[i].checksum)
            return Difference{played[i].frame,
                              "recorded " + Hex(recorded[i].checksum) + ", played " + Hex(played[i].checksum)};
    }
    return std::nullopt;
}

::testing::AssertionResult Matches(const char* name, std::span<const Checkpoint> recorded,
                                   std::span<const Checkpoint> played)
{
    if (Recording()) {
        std::printf("Checkpoints of replay \"%s\":\n", name);
        for (const Checkpoint& checkpoint : played)
            std::printf("    {%d, %su},\n", checkpoint.frame, Hex(checkpoint.checksum).c_str());
        return ::testing::AssertionSuccess();
    }
    const std::optional<Difference> difference = FirstDifference(recorded, played);
    if (!difference) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "replay \"" << name << "\" differs first at frame " << difference->frame
                                         << ": " << difference->what;
}

}  // namespace replay
