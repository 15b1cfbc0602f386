// Point sets of boxes, rings and bevelled slabs.
#include "models/shapes.h"

#include <cmath>
#include <numbers>

namespace makedata {

Points BevelBox(Vec3 low, Vec3 high, float bevel)
{
    Points points;
    for (int corner = 0; corner < 8; ++corner) {
        const bool hx = corner & 1, hy = corner & 2, hz = corner & 4;
        const Vec3 p = {hx ? high.x : low.x, hy ? high.y : low.y, hz ? high.z : low.z};
        const Vec3 in = {hx ? -bevel : bevel, hy ? -bevel : bevel, hz ? -bevel : bevel};
        points.push_back({p.x, p.y + in.y, p.z + in.z});
        points.push_back({p.x + in.x, p.y, p.z + in.z});
        points.push_back({p.x + in.x, p.y + in.y, p.z});
    }
    return points;
}

Points Ring(Vec3 centre, Vec3 axisA, Vec3 axisB, float radiusA, float radiusB, int sides, float phase)
{
    Points points;
    for (int i = 0; i < sides; ++i) {
        const float angle =
            phase + 2.0f * std::numbers::pi_v<float> * static_cast<float>(i) / static_cast<float>(sides);
        points.push_back(centre + axisA * (radiusA * std::cos(angle)) + axisB * (radiusB * std::sin(angle)));
    }
    return points;
}

Points Slab(const std::vector<std::array<float, 2>>& outline, Vec3 origin, Vec3 axisU, Vec3 axisV, Vec3 axisN,
            float thickness, float bevel)
{
    float cu = 0.0f, cv = 0.0f;
    for (const auto& [u, v] : outline) {
        cu += u;
        cv += v;
    }
    cu /= static_cast<float>(outline.size());
    cv /= static_cast<float>(outline.size());
    Points points;
    const float half = thickness * 0.5f;
    for (const auto& [u, v] : outline) {
        const float du = u - cu, dv = v - cv;
        const float distance = std::sqrt(du * du + dv * dv);
        const float pull = distance > bevel ? (distance - bevel) / distance : 0.0f;
        const Vec3 rim = origin + axisU * u + axisV * v;
        const Vec3 inset = origin + axisU * (cu + du * pull) + axisV * (cv + dv * pull);
        for (float side : {-1.0f, 1.0f}) {
            points.push_back(rim + axisN * (side * (half - bevel)));
            points.push_back(inset + axisN * (side * half));
        }
    }
    return points;
}

Points Ball(Vec3 centre, float radius, int sides, int stacks, Vec3 axisA, Vec3 axisB, Vec3 axisPole)
{
    Points points = {centre + axisPole * radius, centre - axisPole * radius};
    for (int stack = 1; stack <= stacks; ++stack) {
        const float polar = std::numbers::pi_v<float> * static_cast<float>(stack) / static_cast<float>(stacks + 1);
        const float twist = (stack % 2) ? 0.0f : std::numbers::pi_v<float> / static_cast<float>(sides);
        const Points ring = Ring(centre + axisPole * (radius * std::cos(polar)), axisA, axisB, radius * std::sin(polar),
                                 radius * std::sin(polar), sides, twist);
        points.insert(points.end(), ring.begin(), ring.end());
    }
    return points;
}

Points Beam(Vec3 from, Vec3 to, Vec3 across, float width, float height, float bevel)
{
    const Vec3 along = to - from;
    const Vec3 direction = Normalised(along);
    const Vec3 side = Normalised(across - direction * Dot(across, direction));
    const Vec3 up = Cross(direction, side);
    Points points;
    for (const Vec3& p :
         BevelBox({-width * 0.5f, -height * 0.5f, 0.0f}, {width * 0.5f, height * 0.5f, Length(along)}, bevel)) {
        points.push_back(from + side * p.x + up * p.y + direction * p.z);
    }
    return points;
}

Points MirrorX(const Points& points)
{
    Points mirrored;
    for (const Vec3& p : points) mirrored.push_back({-p.x, p.y, p.z});
    return mirrored;
}

Points Join(std::initializer_list<Points> parts)
{
    Points joined;
    for (const Points& part : parts) joined.insert(joined.end(), part.begin(), part.end());
    return joined;
}

}  // namespace makedata
