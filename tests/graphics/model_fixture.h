// The game's device global on the fake device, and model objects that the tests free
// afterwards (the game itself never frees a model's arrays).
#pragma once

#include <gtest/gtest.h>

#include <deque>

#include "fake/call_log.h"
#include "fake/fake.h"
#include "fake/fake_d3d9.h"
#include "graphics/models.h"
#include "graphics/release_model.h"
#include "shell/startup.h"
#include "support/stand_in_globals.h"

class ModelFixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        MakeGameDevice();
        if (HasFatalFailure()) return;
        fake::ClearCalls();
    }

    void TearDown() override
    {
        for (GameObject& object : owners_) ReleaseModel(object);
        g_device->Release();
        g_d3d->Release();
        g_device = nullptr;
        g_d3d = nullptr;
    }

    // A fresh object, freed after the test.
    GameObject& Owner() { return owners_.emplace_back(); }

    static HRESULT Load(GameObject& object, const char* file, D3DXVECTOR3 pos, D3DXVECTOR3 rot, D3DXVECTOR3 scale,
                        const float (&colour)[4])
    {
        return LoadModel(&object, file, &pos, &rot, &scale, colour);
    }

    fake::Installed installed_;
    std::deque<GameObject> owners_;
};
