// A fake device for the mesh tests, and .x files written to a folder of their own.
#pragma once

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "d3dx9.h"
#include "fake/call_log.h"
#include "fake/fake.h"
#include "fake/fake_d3d9.h"

class MeshTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        d3d_ = Direct3DCreate9(D3D_SDK_VERSION);
        D3DPRESENT_PARAMETERS params = {};
        ASSERT_EQ(d3d_->CreateDevice(D3DADAPTER_DEFAULT, D3DDEVTYPE_HAL, nullptr, D3DCREATE_HARDWARE_VERTEXPROCESSING,
                                     &params, &device_),
                  D3D_OK);
        folder_ = std::filesystem::temp_directory_path() /
                  ("veltrane-mesh-" + std::to_string(getpid()) + "-" +
                   ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::create_directories(folder_);
        fake::ClearCalls();
    }

    void TearDown() override
    {
        if (device_) device_->Release();
        if (d3d_) d3d_->Release();
        std::filesystem::remove_all(folder_);
    }

    std::string Write(const std::string& name, const std::vector<uint8_t>& bytes)
    {
        std::filesystem::path path = folder_ / name;
        std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()), bytes.size());
        return path.string();
    }

    std::string Write(const std::string& name, const std::string& text)
    {
        return Write(name, std::vector<uint8_t>(text.begin(), text.end()));
    }

    fake::Installed installed_;
    IDirect3D9* d3d_ = nullptr;
    IDirect3DDevice9* device_ = nullptr;
    std::filesystem::path folder_;
};
