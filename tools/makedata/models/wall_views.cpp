// The walls scroll past two cameras. The stage camera stands still and the walls stop at
// whole steps, so every view it has of them can be tried. The rise view moves with the
// craft, from below the walls' top: it is taken as a box of eyes.
#include "models/wall_views.h"

#include <algorithm>
#include <cmath>

#include "models/model_sizes.h"

namespace makedata {

namespace {

// Rounding room at the edges of the picture.
constexpr float kMargin = 1.01f;

struct StageView {
    Vec3 eye, right, up, forward;
    float tanX, tanY;
};

StageView MakeStageView()
{
    StageView view;
    view.eye = {kStageEye.x, kStageEye.y, kStageEye.z};
    view.forward = Normalised(Vec3{kStageLookAt.x, kStageLookAt.y, kStageLookAt.z} - view.eye);
    view.right = Normalised(Cross({0.0f, 1.0f, 0.0f}, view.forward));
    view.up = Cross(view.forward, view.right);
    view.tanY = std::tan(kFieldOfView * 0.5f) * kMargin;
    view.tanX = view.tanY * kAspect;
    return view;
}

// A model point where the game draws a wall scaled `scaleX` across and moved to `y`.
Vec3 InWorld(Vec3 p, float scaleX, float y)
{
    return {p.x * scaleX, p.z + y, kWallDepth - p.y};
}

// True unless every corner lies beyond one edge of the stage camera's picture.
bool InPicture(const StageView& view, const std::vector<Vec3>& corners, float scaleX, float y)
{
    int beyond[6] = {};
    for (const Vec3& corner : corners) {
        const Vec3 d = InWorld(corner, scaleX, y) - view.eye;
        const float x = Dot(d, view.right), up = Dot(d, view.up), depth = Dot(d, view.forward);
        beyond[0] += depth < kNearPlane / kMargin;
        beyond[1] += depth > kFarPlane * kMargin;
        beyond[2] += x > depth * view.tanX;
        beyond[3] += x < -depth * view.tanX;
        beyond[4] += up > depth * view.tanY;
        beyond[5] += up < -depth * view.tanY;
    }
    return std::none_of(std::begin(beyond), std::end(beyond),
                        [&](int count) { return count == static_cast<int>(corners.size()); });
}

bool StageCameraShows(const Facet& facet)
{
    static const StageView view = MakeStageView();
    const int steps = static_cast<int>(2.0f * kWallLength / kWallScrollStep);
    for (float scaleX : {1.0f, kBossWallScaleX}) {
        for (int step = 0; step < steps; ++step) {
            const float y = kWallLength - kWallScrollStep * static_cast<float>(step);
            const Vec3 eye = {kStageEye.x / scaleX, kWallDepth - kStageEye.z, kStageEye.y - y};
            if (Dot(facet.normal, eye) - facet.offset > 0.0f && InPicture(view, facet.corners, scaleX, y)) return true;
        }
    }
    return false;
}

}  // namespace

bool WallFacetSeen(const Assembly& walls, const Facet& facet)
{
    if (StageCameraShows(facet)) return true;
    const float along = 2.0f * kWallLength;
    const float depth = kWallDepth - kRiseEyeZ;
    const EyeBox rise = {{(kCraftMinX - kRiseEyeLeft) / kBossWallScaleX, depth, -along},
                         {(kCraftMaxX - kRiseEyeLeft) / kBossWallScaleX, depth, along}};
    return FacesAnEye(facet, rise) && !walls.Hides(rise, facet);
}

}  // namespace makedata
