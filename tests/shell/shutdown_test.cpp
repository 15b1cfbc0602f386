// The shutdown: the tune stopped, then every object released in its fixed order, once.
#include "shell/startup_fixture.h"

#include "audio/music.h"
#include "core/game_world.h"
#include "fake/fake_d3d9_state.h"

namespace {

// The owners whose meshes the shutdown releases, in its order; every other slot and the
// enemies share these meshes.
std::vector<GameObject*> OwnersInReleaseOrder()
{
    std::vector<GameObject*> owners = {&g_world.player,         &g_world.walls[0],      &g_world.walls[1],
                                       &g_world.missiles[0],    &g_world.playerShots[0], &g_world.enemyShots[0],
                                       &g_world.bossBombs[0]};
    for (GameObject& enemyTemplate : g_world.enemyTemplates) owners.push_back(&enemyTemplate);
    owners.push_back(&g_world.sky);
    owners.push_back(&g_world.boss);
    return owners;
}

TEST_F(StartupTest, ShutdownStopsTheTuneAndReleasesEverythingInOrder)
{
    static std::vector<std::string> s_meshBuffers;
    s_meshBuffers.clear();
    fake::SetPresentHook([](int) {
        // What the stage would have made by now: a mesh per owner, made here in the reverse
        // of the release order so that only the shutdown's own order can pass. The title
        // has started its tune.
        std::vector<GameObject*> owners = OwnersInReleaseOrder();
        for (auto owner = owners.rbegin(); owner != owners.rend(); ++owner) {
            ASSERT_EQ(D3DXCreateSphere(g_device, 1.0f, 4, 4, &(*owner)->mesh, nullptr), D3D_OK);
            IDirect3DVertexBuffer9* buffer = nullptr;
            (*owner)->mesh->GetVertexBuffer(&buffer);
            const std::string label = fake::d3d::BufferLabel(buffer);
            s_meshBuffers.insert(s_meshBuffers.begin(), "VertexBuffer.Release(" + label + ")");
            buffer->Release();
        }
        g_world.enemies[0] = g_world.enemyTemplates[0];  // a copy owns nothing
        fake::PostQuit(0);
    });
    ASSERT_EQ(WinMain(kInstance, nullptr, const_cast<char*>(""), SW_SHOWDEFAULT), 0);

    std::vector<std::string> shutdown;
    const std::vector<std::string>& calls = fake::Calls();
    auto start = std::find(calls.begin(), calls.end(), "timeEndPeriod(1)");
    ASSERT_NE(start, calls.end());
    for (auto call = start; call != calls.end(); ++call) {
        if (call->rfind("IndexBuffer.Release", 0) == 0) continue;  // each goes with its vertex buffer
        shutdown.push_back(*call);
    }

    std::vector<std::string> expected = {"timeEndPeriod(1)", "Performance.StopEx(performance1, segment1, 0, 0x0)"};
    expected.insert(expected.end(), s_meshBuffers.begin(), s_meshBuffers.end());
    const std::vector<std::string> rest = {
        "Device.Release()",
        "Direct3D.Release()",
        "SoundBuffer.Release(primary)",
        "SoundBuffer.Release(sound1)",  // enter
        "SoundBuffer.Release(sound2)",  // shot
        "SoundBuffer.Release(sound3)",  // enemy destroyed
        "SoundBuffer.Release(sound4)",  // damage
        "SoundBuffer.Release(sound7)",  // boss destroyed, before the siren and the laser
        "SoundBuffer.Release(sound5)",  // siren
        "SoundBuffer.Release(sound6)",  // laser
        "DirectSound.Release()",
        "Texture.Release(tex2)",  // title
        "Texture.Release(tex1)",  // head-up display frame
        "Sprite.Release()",
        "Texture.Release(tex3)",  // game
        "Texture.Release(tex4)",  // glyphs
        "Texture.Release(tex5)",  // ending
        "Performance.CloseDown(performance1)",
        "Segment.Release(segment1)",
        "Performance.Release(performance1)",
        "Loader.Release(loader1)",
        "DirectInput.Release()",
    };
    expected.insert(expected.end(), rest.begin(), rest.end());
    EXPECT_EQ(shutdown, expected);

    for (GameObject* owner : OwnersInReleaseOrder()) EXPECT_EQ(owner->mesh, nullptr);
    EXPECT_EQ(g_musicPerformance, nullptr);
    EXPECT_EQ(g_musicSegment, nullptr);
    EXPECT_EQ(g_musicLoader, nullptr);
    EXPECT_EQ(com::InitializeCount(), 0) << "every CoInitialize of the tunes is undone";
    EXPECT_EQ(fake::Live().devices, 0);
    EXPECT_EQ(fake::Live().textures, 0);
    EXPECT_EQ(fake::Live().sprites, 0);
    g_world.enemies[0] = GameObject();
}

TEST_F(StartupTest, TheTitleStartsItsTuneLoopingWithoutStoppingAnother)
{
    ASSERT_EQ(RunGame(2), 0);
    const std::vector<std::string> calls = fake::Calls();
    auto timer = std::find(calls.begin(), calls.end(), "timeBeginPeriod(1)");
    auto firstFrame = std::find(calls.begin(), calls.end(), "Present(null, null, null, null)");
    auto played = std::find_if(calls.begin(), calls.end(), [](const std::string& call) {
        return call.rfind("Performance.PlaySegmentEx(performance1, segment1", 0) == 0;
    });
    EXPECT_LT(timer, played);
    EXPECT_LT(played, firstFrame);
    EXPECT_EQ(fake::CallsStartingWith("Segment.SetRepeats"),
              std::vector<std::string>{"Segment.SetRepeats(segment1, REPEAT_INFINITE)"});
    EXPECT_EQ(fake::CallsStartingWith("Performance.StopEx"),
              std::vector<std::string>{"Performance.StopEx(performance1, segment1, 0, 0x0)"})
        << "only the shutdown stops it";
}

}  // namespace
