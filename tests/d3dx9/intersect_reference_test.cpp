// D3DXIntersect against a plain reference that tests every face of the buffers as they
// stand, with no spheres and nothing kept: thousands of rays on the generated models and on
// small meshes, aimed, from inside, grazing, through corners, heading away, far off, of zero
// length and of NaNs, and again after the buffers are rewritten. Every output must match to
// the bit. Run from the build folder (the models are its DATA).
#include <array>
#include <bit>
#include <cmath>
#include <cstring>
#include <filesystem>
#include <map>
#include <random>
#include <string>

#include "mesh.h"
#include "mesh_fixture.h"
#include "xfile_samples.h"

namespace {

using Corners = std::array<D3DXVECTOR3, 3>;

// Every face's corners as the buffers hold them now; an index past the vertices is the origin.
std::vector<Corners> ReadFaces(ID3DXMesh* mesh)
{
    IDirect3DVertexBuffer9* vertexBuffer = nullptr;
    IDirect3DIndexBuffer9* indexBuffer = nullptr;
    mesh->GetVertexBuffer(&vertexBuffer);
    mesh->GetIndexBuffer(&indexBuffer);
    D3DINDEXBUFFER_DESC desc;
    indexBuffer->GetDesc(&desc);
    const size_t indexSize = desc.Format == D3DFMT_INDEX32 ? 4 : 2;
    const UINT stride = D3DXGetFVFVertexSize(mesh->GetFVF());
    const uint8_t* vertices = nullptr;
    const uint8_t* indices = nullptr;
    vertexBuffer->Lock(0, 0, (void**)&vertices, D3DLOCK_READONLY);
    indexBuffer->Lock(0, 0, (void**)&indices, D3DLOCK_READONLY);
    std::vector<Corners> faces(mesh->GetNumFaces());
    for (size_t i = 0; i < faces.size() * 3; ++i) {
        uint32_t index = 0;
        std::memcpy(&index, indices + i * indexSize, indexSize);
        D3DXVECTOR3 corner(0, 0, 0);
        if (index < mesh->GetNumVertices()) std::memcpy(&corner, vertices + size_t(index) * stride, 12);
        faces[i / 3][i % 3] = corner;
    }
    vertexBuffer->Unlock();
    indexBuffer->Unlock();
    vertexBuffer->Release();
    indexBuffer->Release();
    return faces;
}

// What D3DXIntersect hands back; untouched outputs keep these marks.
struct Answer {
    HRESULT result = 1;
    BOOL hit = 7;
    DWORD face = 12345, count = 6789;
    float u = -5, v = -6, distance = -7;

    bool operator==(const Answer& other) const
    {
        return result == other.result && hit == other.hit && face == other.face && count == other.count &&
               std::bit_cast<uint32_t>(u) == std::bit_cast<uint32_t>(other.u) &&
               std::bit_cast<uint32_t>(v) == std::bit_cast<uint32_t>(other.v) &&
               std::bit_cast<uint32_t>(distance) == std::bit_cast<uint32_t>(other.distance);
    }
};

std::ostream& operator<<(std::ostream& out, const Answer& a)
{
    return out << "{hit " << a.hit << " face " << a.face << " count " << a.count << " u " << a.u << " v " << a.v
               << " distance " << a.distance << "}";
}

// Every face in order, the nearest hit kept (the first of equals), in doubles.
Answer Reference(const std::vector<Corners>& faces, const D3DXVECTOR3& o, const D3DXVECTOR3& d)
{
    Answer answer;
    answer.result = D3D_OK;
    bool found = false;
    double best[3] = {0, 0, 0};
    DWORD count = 0;
    for (DWORD f = 0; f < faces.size(); ++f) {
        const D3DXVECTOR3 &a = faces[f][0], &b = faces[f][1], &c = faces[f][2];
        double e1[3] = {double(b.x) - a.x, double(b.y) - a.y, double(b.z) - a.z};
        double e2[3] = {double(c.x) - a.x, double(c.y) - a.y, double(c.z) - a.z};
        double p[3] = {d.y * e2[2] - d.z * e2[1], d.z * e2[0] - d.x * e2[2], d.x * e2[1] - d.y * e2[0]};
        double det = e1[0] * p[0] + e1[1] * p[1] + e1[2] * p[2];
        if (det == 0.0) continue;
        double s[3] = {double(o.x) - a.x, double(o.y) - a.y, double(o.z) - a.z};
        double u = (s[0] * p[0] + s[1] * p[1] + s[2] * p[2]) / det;
        if (u < 0.0 || u > 1.0) continue;
        double q[3] = {s[1] * e1[2] - s[2] * e1[1], s[2] * e1[0] - s[0] * e1[2], s[0] * e1[1] - s[1] * e1[0]};
        double v = (d.x * q[0] + d.y * q[1] + d.z * q[2]) / det;
        if (v < 0.0 || u + v > 1.0) continue;
        double t = (e2[0] * q[0] + e2[1] * q[1] + e2[2] * q[2]) / det;
        if (t < 0.0) continue;
        ++count;
        if (!found || t < best[0]) {
            found = true;
            best[0] = t, best[1] = u, best[2] = v;
            answer.face = f;
        }
    }
    answer.hit = found;
    answer.count = count;
    if (found) answer.distance = float(best[0]), answer.u = float(best[1]), answer.v = float(best[2]);
    return answer;
}

Answer Intersect(ID3DXMesh* mesh, const D3DXVECTOR3& o, const D3DXVECTOR3& d)
{
    Answer a;
    a.result = D3DXIntersect(mesh, &o, &d, &a.hit, &a.face, &a.u, &a.v, &a.distance, nullptr, &a.count);
    return a;
}

struct Ray {
    D3DXVECTOR3 start, direction;
    const char* kind;
};

D3DXVECTOR3 Cross(const D3DXVECTOR3& a, const D3DXVECTOR3& b)
{
    return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}

float Length(const D3DXVECTOR3& v)
{
    return D3DXVec3Length(&v);
}

// Rays of every kind around the faces' sphere: centred on the middle of their box and
// reaching the farthest corner, as the mesh's own sphere is.
std::vector<Ray> RaysAround(const std::vector<Corners>& faces, int perKind)
{
    D3DXVECTOR3 low = faces[0][0], high = low;
    for (const Corners& face : faces)
        for (const D3DXVECTOR3& p : face) {
            low = {std::min(low.x, p.x), std::min(low.y, p.y), std::min(low.z, p.z)};
            high = {std::max(high.x, p.x), std::max(high.y, p.y), std::max(high.z, p.z)};
        }
    const D3DXVECTOR3 centre = (low + high) / 2.0f;
    D3DXVECTOR3 farthest = centre;
    for (const Corners& face : faces)
        for (const D3DXVECTOR3& p : face)
            if (Length(p - centre) > Length(farthest - centre)) farthest = p;
    const float radius = std::max(Length(farthest - centre), 1e-3f);

    std::mt19937 random(2024);
    std::uniform_real_distribution<float> unit(-1.0f, 1.0f), positive(0.0f, 1.0f);
    auto between = [&](float low, float high) { return low + (high - low) * positive(random); };
    auto inBall = [&] {
        for (;;) {
            D3DXVECTOR3 p(unit(random), unit(random), unit(random));
            if (Length(p) <= 1.0f) return p;
        }
    };
    auto direction = [&] {
        D3DXVECTOR3 p = inBall(), n;
        D3DXVec3Normalize(&n, &p);
        return n;
    };
    auto corner = [&] { return faces[random() % faces.size()][random() % 3]; };
    // A unit vector perpendicular to n.
    auto across = [&](const D3DXVECTOR3& n) {
        D3DXVECTOR3 side = Cross(n, direction());
        D3DXVec3Normalize(&side, &side);
        return side;
    };

    std::vector<Ray> rays;
    for (int i = 0; i < perKind; ++i) {
        const float scale = std::pow(10.0f, between(-1.5f, 1.0f));  // lengths of direction
        D3DXVECTOR3 outside = centre + direction() * radius * between(1.05f, 4.0f);
        D3DXVECTOR3 target = centre + inBall() * radius;
        rays.push_back({outside, (target - outside) * scale, "aimed"});
        rays.push_back({centre + inBall() * radius, direction() * scale, "from inside"});
        D3DXVECTOR3 p = corner();
        rays.push_back({p - direction() * radius * between(0.5f, 3.0f), {}, "through a corner"});
        rays.back().direction = (p - rays.back().start) * scale;
        // Through the corner that sets the radius, along the sphere's surface.
        D3DXVECTOR3 tangent = across(farthest - centre);
        rays.push_back({farthest - tangent * radius * between(0.5f, 3.0f), tangent * scale, "grazing"});
        const float off = 1.0f + between(-1e-5f, 1e-5f);
        rays.push_back({centre + (farthest - centre) * off - tangent * radius * 2.0f, tangent, "grazing the sphere"});
        rays.push_back({outside, (outside - centre + inBall() * radius * 0.5f) * scale, "heading away"});
        rays.push_back({p - D3DXVECTOR3(0, 0, radius), {0, 0, 1}, "along z to a corner"});
        rays.push_back({p + D3DXVECTOR3(radius, 0, 0), {-0.5f, 0, 0}, "along x to a corner"});
        rays.push_back({centre + direction() * radius * 1e4f, {}, "from far off"});
        rays.back().direction = target - rays.back().start;
        rays.push_back({i % 2 ? outside : centre + inBall() * radius, {0, 0, 0}, "of zero length"});
    }
    const float nan = std::nanf(""), inf = HUGE_VALF;
    rays.push_back({centre, {nan, 0, 0}, "NaN direction"});
    rays.push_back({{inf, centre.y, centre.z}, {-1, 0, 0}, "endless start"});
    rays.push_back({centre - D3DXVECTOR3(0, 0, 2 * radius), {0, 0, inf}, "endless direction"});
    rays.push_back({centre - D3DXVECTOR3(0, 0, 2 * radius), {0, 0, -inf}, "endless direction away"});
    return rays;
}

// Tallies by kind, so that a kind that never hits (or never misses) shows.
struct Tally {
    std::map<std::string, std::array<int, 2>> byKind;  // misses, hits
    void Add(const char* kind, const Answer& a) { ++byKind[kind][a.hit ? 1 : 0]; }
};

void CompareOn(ID3DXMesh* mesh, int perKind, Tally& tally)
{
    const std::vector<Corners> faces = ReadFaces(mesh);
    for (const Ray& ray : RaysAround(faces, perKind)) {
        const Answer got = Intersect(mesh, ray.start, ray.direction);
        ASSERT_EQ(got, Reference(faces, ray.start, ray.direction)) << ray.kind << " from (" << ray.start.x << ", " << ray.start.y << ", " << ray.start.z
                                 << ") along (" << ray.direction.x << ", " << ray.direction.y << ", "
                                 << ray.direction.z << ")";
        tally.Add(ray.kind, got);
    }
}

// Rewrites every vertex position of the mesh through its buffer.
template <class Change>
void ChangeVertices(ID3DXMesh* mesh, Change change)
{
    IDirect3DVertexBuffer9* buffer = nullptr;
    mesh->GetVertexBuffer(&buffer);
    uint8_t* bytes = nullptr;
    ASSERT_EQ(buffer->Lock(0, 0, (void**)&bytes, 0), D3D_OK);
    const UINT stride = D3DXGetFVFVertexSize(mesh->GetFVF());
    for (DWORD i = 0; i < mesh->GetNumVertices(); ++i) change(i, *reinterpret_cast<D3DXVECTOR3*>(bytes + i * stride));
    buffer->Unlock();
    buffer->Release();
}

}  // namespace

using IntersectReference = MeshTest;

TEST_F(IntersectReference, GeneratedModelsAnswerAsEveryFaceTested)
{
    std::vector<std::filesystem::path> files;
    for (const auto& entry : std::filesystem::directory_iterator("DATA/XFILE"))
        if (entry.path().extension() == ".x") files.push_back(entry.path());
    ASSERT_GE(files.size(), 15u) << "the build's DATA folder is missing";
    Tally tally;
    for (const auto& file : files) {
        SCOPED_TRACE(file.string());
        ID3DXMesh* mesh = nullptr;
        ASSERT_EQ(D3DXLoadMeshFromXA(file.c_str(), D3DXMESH_SYSTEMMEM, device_, nullptr, nullptr, nullptr, nullptr,
                                     &mesh),
                  D3D_OK);
        CompareOn(mesh, mesh->GetNumFaces() > 5000 ? 20 : 100, tally);
        mesh->Release();
    }
    // Each kind meant to reach the faces does at times; the others never.
    for (const char* kind : {"aimed", "from inside", "through a corner", "grazing", "along z to a corner",
                             "along x to a corner", "from far off"})
        EXPECT_GT(tally.byKind[kind][1], 0) << kind;
    EXPECT_GT(tally.byKind["aimed"][0], 0);
    for (const char* kind : {"heading away", "of zero length"})
        EXPECT_EQ(tally.byKind[kind][1], 0) << kind;
}

// A cube of 12 triangles with 32-bit indices and normals between the positions, with two
// of its faces listed twice (equal distances: the first listed wins) and a face of one point.
TEST_F(IntersectReference, SmallMeshesAnswerAsEveryFaceTested)
{
    struct Vertex {
        D3DXVECTOR3 position, normal;
    };
    std::vector<Vertex> vertices;
    for (int i = 0; i < 8; ++i)
        vertices.push_back({{i & 1 ? 1.5f : -0.5f, i & 2 ? 2.0f : 1.0f, i & 4 ? 0.25f : -3.0f}, {0, 0, 1}});
    std::vector<uint32_t> indices = {0, 1, 3, 0, 3, 2, 4, 6, 7, 4, 7, 5, 0, 4, 5, 0, 5, 1,
                                     2, 3, 7, 2, 7, 6, 0, 2, 6, 0, 6, 4, 1, 5, 7, 1, 7, 3,
                                     0, 1, 3, 4, 6, 7, 5, 5, 5};
    std::vector<DWORD> attributes(indices.size() / 3, 0);
    const auto* bytes = reinterpret_cast<const uint8_t*>(vertices.data());
    ID3DXMesh* cube = nullptr;
    ASSERT_EQ(d3dx9::CreateMesh(device_, D3DXMESH_SYSTEMMEM | D3DXMESH_32BIT, D3DFVF_XYZ | D3DFVF_NORMAL, 8,
                                {bytes, vertices.size() * sizeof(Vertex)}, indices, attributes, &cube),
              D3D_OK);
    ID3DXMesh* sphere = nullptr;
    ASSERT_EQ(D3DXCreateSphere(device_, 2.5f, 24, 24, &sphere, nullptr), D3D_OK);
    ID3DXMesh* texturedCube = nullptr;
    const std::string file = Write("cube.x", xsamples::CubeText());
    ASSERT_EQ(D3DXLoadMeshFromXA(file.c_str(), D3DXMESH_MANAGED, device_, nullptr, nullptr, nullptr, nullptr,
                                 &texturedCube),
              D3D_OK);
    Tally tally;
    for (ID3DXMesh* mesh : {cube, sphere, texturedCube}) CompareOn(mesh, 300, tally);
    EXPECT_GT(tally.byKind["aimed"][1], 0);
    EXPECT_GT(tally.byKind["aimed"][0], 0);

    // A ray onto a twice-listed face names the first listing.
    const D3DXVECTOR3 below(0.0f, 1.1f, -5.0f), up(0.0f, 0.0f, 1.0f);
    EXPECT_EQ(Intersect(cube, below, up).face, 0u);
    EXPECT_EQ(Intersect(cube, below, up).count, 3u);
    cube->Release();
    sphere->Release();
    texturedCube->Release();
}

// One triangle whose box is centred at (0, 0.5, 0), its two far corners exactly on the
// sphere; measured without room to spare, the radius squared rounds below 9.25 and a ray
// touching the sphere at a corner, which meets the face there, would be turned away.
TEST_F(IntersectReference, ARayTouchingTheSphereAtACornerStillMeetsIt)
{
    const D3DXVECTOR3 corners[] = {{3, 0, 0}, {-3, 0, 0}, {0, 1, 0}};
    const uint32_t indices[] = {0, 1, 2};
    const DWORD attributes[] = {0};
    ID3DXMesh* triangle = nullptr;
    ASSERT_EQ(d3dx9::CreateMesh(device_, D3DXMESH_SYSTEMMEM, D3DFVF_XYZ, 3,
                                {reinterpret_cast<const uint8_t*>(corners), sizeof corners}, indices, attributes,
                                &triangle),
              D3D_OK);
    const D3DXVECTOR3 start(3, 0, -5), forward(0, 0, 1);
    const Answer answer = Intersect(triangle, start, forward);
    EXPECT_TRUE(answer.hit);
    EXPECT_EQ(answer.distance, 5.0f);
    EXPECT_EQ(answer, Reference(ReadFaces(triangle), start, forward));
    triangle->Release();
}

TEST_F(IntersectReference, RewrittenBuffersAreSeenByTheNextRay)
{
    ID3DXMesh* sphere = nullptr;
    ASSERT_EQ(D3DXCreateSphere(device_, 1.0f, 12, 12, &sphere, nullptr), D3D_OK);
    const D3DXVECTOR3 start(20.0f, 0.0f, -5.0f), forward(0.0f, 0.0f, 1.0f);
    ASSERT_FALSE(Intersect(sphere, start, forward).hit);

    // Moved off to where the ray passes: the next ray sees the new place, not the old.
    ChangeVertices(sphere, [](DWORD, D3DXVECTOR3& p) { p.x += 20.0f; });
    EXPECT_TRUE(Intersect(sphere, start, forward).hit);
    EXPECT_FALSE(Intersect(sphere, {0, 0, -5}, forward).hit);
    Tally tally;
    CompareOn(sphere, 100, tally);

    // An index past the vertices stretches face 0 from the top of the sphere back to the
    // origin, far outside the sphere, where this ray meets it half way.
    IDirect3DIndexBuffer9* indexBuffer = nullptr;
    sphere->GetIndexBuffer(&indexBuffer);
    uint16_t* indices = nullptr;
    ASSERT_EQ(indexBuffer->Lock(0, 0, (void**)&indices, 0), D3D_OK);
    indices[0] = 0xFFFF;
    indexBuffer->Unlock();
    indexBuffer->Release();
    const D3DXVECTOR3 halfWay(10.0f, 0.03f, -5.0f);
    const Answer stretched = Intersect(sphere, halfWay, forward);
    EXPECT_TRUE(stretched.hit);
    EXPECT_EQ(stretched.face, 0u);
    EXPECT_EQ(stretched, Reference(ReadFaces(sphere), halfWay, forward));
    CompareOn(sphere, 100, tally);

    // A vertex of NaNs makes its faces met by every ray, with a NaN distance.
    ChangeVertices(sphere, [](DWORD i, D3DXVECTOR3& p) {
        if (i == 5) p.y = std::nanf("");
    });
    EXPECT_TRUE(Intersect(sphere, {0, 0, -5}, forward).hit);
    CompareOn(sphere, 100, tally);
    sphere->Release();
}
