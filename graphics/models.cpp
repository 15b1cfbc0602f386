// Loading, measuring and drawing the game's models.
#include "graphics/models.h"

#include <cstring>

#include "core/globals.h"
#include "windows.h"

namespace {

// Degrees to radians, as every matrix of the game builds it.
constexpr float kRadiansPerDegree = 0.017453292f;

}  // namespace

HRESULT LoadModel(GameObject* object, const char* fileName, const D3DXVECTOR3* pos, const D3DXVECTOR3* rot,
                  const D3DXVECTOR3* scale, const float* colour)
{
    object->pos = *pos;
    object->rot = *rot;
    object->scale = *scale;
    std::memcpy(object->colour, colour, sizeof object->colour);

    ID3DXBuffer* materialBuffer = nullptr;
    if (FAILED(D3DXLoadMeshFromXA(fileName, D3DXMESH_SYSTEMMEM, g_device, nullptr, &materialBuffer, nullptr,
                                  &object->materialCount, &object->mesh))) {
        MessageBoxA(nullptr, "Xファイルの読み込みに失敗しました", fileName, MB_OK);
        return E_FAIL;
    }

    const auto* records = static_cast<const D3DXMATERIAL*>(materialBuffer->GetBufferPointer());
    object->materials = new D3DMATERIAL9[object->materialCount];
    object->textures = new IDirect3DTexture9*[object->materialCount];
    for (DWORD i = 0; i < object->materialCount; ++i) {
        object->materials[i] = records[i].MatD3D;
        // The files leave ambient at zero; the game lights ambient like diffuse.
        object->materials[i].Ambient = object->materials[i].Diffuse;
        object->textures[i] = nullptr;
        const char* textureName = records[i].pTextureFilename;
        if (textureName && std::strlen(textureName) > 0 &&
            FAILED(D3DXCreateTextureFromFileA(g_device, textureName, &object->textures[i])))
            object->textures[i] = nullptr;
    }
    materialBuffer->Release();
    return 0;
}

HRESULT ComputeBoundingSphere(GameObject* object, float s)
{
    // An object whose file failed to load has nothing to measure.
    if (!object->mesh) return E_FAIL;
    IDirect3DVertexBuffer9* vertexBuffer = nullptr;
    if (FAILED(object->mesh->GetVertexBuffer(&vertexBuffer))) return E_FAIL;
    void* vertices = nullptr;
    if (FAILED(vertexBuffer->Lock(0, 0, &vertices, 0))) {
        vertexBuffer->Release();
        return E_FAIL;
    }
    D3DXVECTOR3 centre;
    float radius = 0.0f;
    HRESULT result = D3DXComputeBoundingSphere(static_cast<const D3DXVECTOR3*>(vertices),
                                               object->mesh->GetNumVertices(),
                                               D3DXGetFVFVertexSize(object->mesh->GetFVF()), &centre, &radius);
    vertexBuffer->Unlock();
    vertexBuffer->Release();
    if (FAILED(result)) return result;

    object->sphere.centre = centre;
    object->sphere.radius = radius;
    object->radiusFactor = s * object->scale.z;
    D3DXCreateSphere(g_device, radius * s, 24, 24, &object->sphereMesh, nullptr);
    object->sphereMaterial = new D3DMATERIAL9();
    D3DMATERIAL9& material = *object->sphereMaterial;
    material.Diffuse = {1.0f, 1.0f, 1.0f, 0.5f};
    material.Ambient = material.Diffuse;
    material.Specular.r = material.Specular.g = material.Specular.b = 1.0f;
    material.Emissive.r = material.Emissive.g = material.Emissive.b = 0.1f;
    material.Power = 120.0f;
    return 0;
}

void DrawModel(GameObject* object)
{
    // world = scaling, then rotations about X, Y and Z, then the move.
    D3DXMATRIXA16 world, step;
    D3DXMatrixIdentity(&world);
    D3DXMatrixScaling(&step, object->scale.x, object->scale.y, object->scale.z);
    D3DXMatrixMultiply(&world, &world, &step);
    D3DXMatrixRotationX(&step, object->rot.x * kRadiansPerDegree);
    D3DXMatrixMultiply(&world, &world, &step);
    D3DXMatrixRotationY(&step, object->rot.y * kRadiansPerDegree);
    D3DXMatrixMultiply(&world, &world, &step);
    D3DXMatrixRotationZ(&step, object->rot.z * kRadiansPerDegree);
    D3DXMatrixMultiply(&world, &world, &step);
    D3DXMatrixTranslation(&step, object->pos.x, object->pos.y, object->pos.z);
    D3DXMatrixMultiply(&world, &world, &step);
    g_device->SetTransform(D3DTS_WORLD, &world);

    D3DXMATRIXA16 projection;
    D3DXMatrixPerspectiveFovLH(&projection, 1.0471976f, 1.3333334f, 1.0f, 1000.0f);
    g_device->SetTransform(D3DTS_PROJECTION, &projection);

    // The object's colour lights it, and is its diffuse colour too.
    D3DLIGHT9 light;
    std::memset(&light, 0, sizeof light);
    light.Type = D3DLIGHT_DIRECTIONAL;
    light.Diffuse.r = object->colour[0];
    light.Diffuse.g = object->colour[1];
    light.Diffuse.b = object->colour[2];
    D3DXVECTOR3 direction(-1.0f, 0.0f, 0.0f);
    D3DXVECTOR3 normalised;
    D3DXVec3Normalize(&normalised, &direction);
    light.Direction = normalised;
    g_device->SetLight(0, &light);
    g_device->LightEnable(0, TRUE);

    // Copies of one template share this material array: each draw writes its own colour.
    for (DWORD i = 0; i < object->materialCount; ++i) {
        D3DMATERIAL9& material = object->materials[i];
        material.Power = 120.0f;
        material.Diffuse = {object->colour[0], object->colour[1], object->colour[2], object->colour[3]};
        g_device->SetMaterial(&material);
        g_device->SetTexture(0, object->textures[i]);
        object->mesh->DrawSubset(i);
    }
}
