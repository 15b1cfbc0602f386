// The developer log: each loader that fails leaves one line on standard error while
// VELTRANE_LOG is set, and nothing while it is unset or empty.
#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>

#include "crt.h"
#include "d3dx9.h"
#include "d3dx9/picture_files.h"
#include "d3dx9/stand_in_device.h"
#include "dmusic/loader.h"
#include "mmsystem.h"

namespace {

class LoadLog : public ::testing::Test {
protected:
    void SetUp() override
    {
        const char* value = std::getenv("VELTRANE_LOG");
        if (value) saved_ = value;
        hadValue_ = value != nullptr;
    }
    void TearDown() override
    {
        if (hadValue_) setenv("VELTRANE_LOG", saved_.c_str(), 1);
        else unsetenv("VELTRANE_LOG");
    }

    static std::string ErrorOutput(const std::function<void()>& load)
    {
        ::testing::internal::CaptureStderr();
        load();
        return ::testing::internal::GetCapturedStderr();
    }

    StandInDevice device_;
    std::string saved_;
    bool hadValue_ = false;
};

}  // namespace

TEST_F(LoadLog, EachFailedLoadWritesOneLineOnlyWhileTheVariableIsSet)
{
    const std::string model = "xof 0303txt 0032\nMesh {";
    const std::string brokenModel = WriteTempFile("broken.x", Bytes(model.begin(), model.end()));
    IDirect3DDevice9* device = device_.Get();
    struct {
        std::function<void()> load;
        std::string line;
    } const cases[] = {
        {[device] {
             IDirect3DTexture9* texture = nullptr;
             D3DXCreateTextureFromFileA(device, "./DATA/pic/none.png", &texture);
         },
         "veltrane: texture ./DATA/pic/none.png: cannot open\n"},
        {[device, &brokenModel] {
             ID3DXMesh* mesh = nullptr;
             D3DXLoadMeshFromXA(brokenModel.c_str(), D3DXMESH_SYSTEMMEM, device, nullptr, nullptr, nullptr, nullptr,
                                &mesh);
         },
         "veltrane: mesh " + brokenModel + ": unterminated object\n"},  // the parser's reason
        {[] { mmioOpenA("./DATA/sound/none.wav", nullptr, MMIO_ALLOCBUF | MMIO_READ); },
         "veltrane: wave ./DATA/sound/none.wav: cannot open\n"},
        {[] {
             IDirectMusicLoader8* loader = dmusic::NewLoader();
             void* segment = nullptr;
             loader->LoadObjectFromFile(CLSID_DirectMusicSegment, IID_IDirectMusicSegment8, u"none.mid", &segment);
             loader->Release();
         },
         "veltrane: tune none.mid: cannot open\n"},
        {[] { crt::fopen("./DATA/none.kfc", "rt"); }, "veltrane: file ./DATA/none.kfc: cannot open\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.line);
        setenv("VELTRANE_LOG", "1", 1);
        EXPECT_EQ(ErrorOutput(c.load), c.line);
        setenv("VELTRANE_LOG", "", 1);
        EXPECT_EQ(ErrorOutput(c.load), "");
        unsetenv("VELTRANE_LOG");
        EXPECT_EQ(ErrorOutput(c.load), "");
    }
}
