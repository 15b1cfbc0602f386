// The five sheets as the game has them: loaded from DATA by the game's own LoadTexture onto
// the real OpenGL device, with the render states the game sets at start-up and a sprite
// to draw them with. The device stands in g_device while a test runs.
#pragma once

#include <string>

#include "d3d9/gl_render_fixture.h"
#include "painted_sheets.h"
#include "shell/startup.h"

class SheetDeviceTest : public render_test::GlRenderTest {
protected:
    // The name the game's start-up loads the sheet by.
    static std::string SheetFile(std::size_t i) { return std::string("./DATA/pic/") + sheets::kSheets[i].size.file; }

    void SetUp() override
    {
        GlRenderTest::SetUp();
        if (IsSkipped()) return;
        g_device = device_;
        SetupRenderStates();
        for (std::size_t i = 0; i < sheets::kSheets.size(); ++i) {
            const sheets::SheetSize size = sheets::kSheets[i].size;
            LoadTexture(&sheets_[i], SheetFile(i).c_str(), UINT(size.width), UINT(size.height), 0xFF000000);
            ASSERT_NE(sheets_[i], nullptr) << SheetFile(i);
        }
        ASSERT_EQ(D3DXCreateSprite(device_, &sprite_), D3D_OK);
    }

    // The game's sprite and sheet globals pointed at this device's.
    void GiveTheGameTheSheets()
    {
        g_sprite = sprite_;
        g_texScoreboard = sheets_[kScoreboard];
        g_texTitle = sheets_[kTitle];
        g_texGame = sheets_[kGame];
        g_texGlyphs = sheets_[kGlyphs];
        g_texEnding = sheets_[kEnding];
    }

    void TearDown() override
    {
        for (IDirect3DTexture9* sheet : sheets_)
            if (sheet) sheet->Release();
        if (sprite_) sprite_->Release();
        g_device = previousDevice_;
        GlRenderTest::TearDown();
    }

    IDirect3DTexture9* sheets_[sheets::kSheets.size()] = {};
    ID3DXSprite* sprite_ = nullptr;

private:
    IDirect3DDevice9* previousDevice_ = g_device;
};
