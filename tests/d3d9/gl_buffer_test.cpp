// Indexed drawing from vertex and index buffers on the OpenGL device: uploaded once,
// refreshed after an unlock, and never read beyond their ends.
#include "d3d9/gl_render_fixture.h"
#include "resources.h"

namespace {

using render_test::Near;

struct Vertex {
    float x, y, z;
    D3DCOLOR colour;
};
constexpr DWORD kFvf = D3DFVF_XYZ | D3DFVF_DIFFUSE;
constexpr D3DCOLOR kOrange = 0xFFFF8000;

class GlBufferTest : public render_test::GlRenderTest {
protected:
    void SetUp() override
    {
        GlRenderTest::SetUp();
        if (IsSkipped()) return;
        device_->SetRenderState(D3DRS_LIGHTING, FALSE);
        device_->SetRenderState(D3DRS_CULLMODE, D3DCULL_NONE);
        // A quad over the top-left quarter of the screen, after two unused vertices.
        const Vertex vertices[] = {{0, 0, 0, 0},         {0, 0, 0, 0},         {-1, 1, 0.5f, kOrange},
                                   {0, 1, 0.5f, kOrange}, {0, 0, 0.5f, kOrange}, {-1, 0, 0.5f, kOrange}};
        const uint16_t indices[] = {0, 1, 2, 0, 2, 3};
        ASSERT_EQ(device_->CreateVertexBuffer(sizeof vertices, 0, kFvf, D3DPOOL_MANAGED, &vertices_, nullptr), D3D_OK);
        ASSERT_EQ(device_->CreateIndexBuffer(sizeof indices, 0, D3DFMT_INDEX16, D3DPOOL_MANAGED, &indices_, nullptr),
                  D3D_OK);
        void* locked = nullptr;
        vertices_->Lock(0, 0, &locked, 0);
        std::memcpy(locked, vertices, sizeof vertices);
        vertices_->Unlock();
        indices_->Lock(0, 0, &locked, 0);
        std::memcpy(locked, indices, sizeof indices);
        indices_->Unlock();
    }

    void TearDown() override
    {
        if (vertices_) vertices_->Release();
        if (indices_) indices_->Release();
        GlRenderTest::TearDown();
    }

    HRESULT DrawQuad(INT baseVertex = 2, UINT startIndex = 0)
    {
        ClearTo(0xFF000000);
        device_->SetFVF(kFvf);
        device_->SetStreamSource(0, vertices_, 0, sizeof(Vertex));
        device_->SetIndices(indices_);
        device_->BeginScene();
        const HRESULT result = device_->DrawIndexedPrimitive(D3DPT_TRIANGLELIST, baseVertex, 0, 4, startIndex, 2);
        device_->EndScene();
        return result;
    }

    IDirect3DVertexBuffer9* vertices_ = nullptr;
    IDirect3DIndexBuffer9* indices_ = nullptr;
};

TEST_F(GlBufferTest, UploadsOnceAndAgainOnlyAfterAnUnlock)
{
    ASSERT_EQ(DrawQuad(), D3D_OK);
    d3d9::Picture picture = Shot();
    EXPECT_TRUE(Near(picture.At(100, 100), 0xFF8000, 0));
    EXPECT_TRUE(Near(picture.At(400, 100), 0x000000, 0));
    auto* memory = dynamic_cast<d3d9::MemoryVertexBuffer*>(vertices_);
    ASSERT_NE(memory, nullptr);
    const d3d9::GpuCopy* copy = memory->Gpu();
    ASSERT_NE(copy, nullptr);
    EXPECT_EQ(copy->uploadedVersion, memory->Version());
    ASSERT_EQ(DrawQuad(), D3D_OK);
    EXPECT_EQ(memory->Gpu(), copy) << "the same copy, not a new upload";

    Vertex* locked = nullptr;
    ASSERT_EQ(vertices_->Lock(0, 0, reinterpret_cast<void**>(&locked), 0), D3D_OK);
    for (int i = 2; i < 6; ++i) locked[i].colour = 0xFF00FF00;
    vertices_->Unlock();
    ASSERT_EQ(DrawQuad(), D3D_OK);
    EXPECT_EQ(copy->uploadedVersion, memory->Version());
    EXPECT_TRUE(Near(Shot().At(100, 100), 0x00FF00, 0));
}

TEST_F(GlBufferTest, RefusesDrawsThatReachBeyondTheBuffers)
{
    EXPECT_EQ(DrawQuad(3), D3DERR_INVALIDCALL) << "index 3 from base 3 is vertex 6 of 6";
    EXPECT_EQ(DrawQuad(-1), D3DERR_INVALIDCALL);
    EXPECT_EQ(DrawQuad(2, 1), D3DERR_INVALIDCALL) << "six indices from index 1 of 6";
    uint16_t* locked = nullptr;
    ASSERT_EQ(indices_->Lock(0, 0, reinterpret_cast<void**>(&locked), 0), D3D_OK);
    locked[4] = 60000;
    indices_->Unlock();
    EXPECT_EQ(DrawQuad(), D3DERR_INVALIDCALL) << "a changed index is checked again";
    EXPECT_TRUE(Near(Shot().At(100, 100), 0x000000, 0));
}

}  // namespace
