// The Direct3D states as OpenGL fixed-function state, brought up to date before a draw.
#include <algorithm>
#include <cmath>
#include <cstring>

#include "gl_device.h"
#include "gl_resources.h"

namespace d3d9 {

namespace {

constexpr DWORD kBlendOpAdd = 1;  // D3DRS_BLENDOP's first value, its default

GLenum BlendFactor(DWORD blend)
{
    switch (blend) {
    case D3DBLEND_ZERO:
        return GL_ZERO;
    case D3DBLEND_SRCCOLOR:
        return GL_SRC_COLOR;
    case D3DBLEND_INVSRCCOLOR:
        return GL_ONE_MINUS_SRC_COLOR;
    case D3DBLEND_SRCALPHA:
        return GL_SRC_ALPHA;
    case D3DBLEND_INVSRCALPHA:
        return GL_ONE_MINUS_SRC_ALPHA;
    case D3DBLEND_DESTALPHA:
        return GL_DST_ALPHA;
    case D3DBLEND_INVDESTALPHA:
        return GL_ONE_MINUS_DST_ALPHA;
    case D3DBLEND_DESTCOLOR:
        return GL_DST_COLOR;
    case D3DBLEND_INVDESTCOLOR:
        return GL_ONE_MINUS_DST_COLOR;
    case D3DBLEND_SRCALPHASAT:
        return GL_SRC_ALPHA_SATURATE;
    default:
        return GL_ONE;
    }
}

GLenum BlendEquationOf(DWORD op)
{
    static const GLenum kEquations[] = {GL_FUNC_ADD, GL_FUNC_SUBTRACT, GL_FUNC_REVERSE_SUBTRACT, GL_MIN, GL_MAX};
    return kEquations[op - 1];  // D3DRS_BLENDOP runs 1 to 5
}

GLenum CompareFunction(DWORD compare)
{
    static const GLenum kFunctions[] = {GL_NEVER,   GL_LESS,     GL_EQUAL,  GL_LEQUAL,
                                        GL_GREATER, GL_NOTEQUAL, GL_GEQUAL, GL_ALWAYS};
    return kFunctions[compare - D3DCMP_NEVER];
}

GLint Source(DWORD arg)
{
    switch (arg) {
    case D3DTA_TEXTURE:
        return GL_TEXTURE;
    case D3DTA_DIFFUSE:
        return GL_PRIMARY_COLOR;
    default:
        return GL_PREVIOUS;  // D3DTA_CURRENT: at the first stage, the diffuse colour
    }
}

// One half (colour or alpha) of the texture stage as OpenGL's combiner.
void SetCombine(bool alpha, DWORD op, DWORD arg1, DWORD arg2)
{
    GLint mode = GL_MODULATE;
    GLint first = Source(arg1), second = Source(arg2);
    GLfloat scale = 1.0f;
    switch (op) {
    case D3DTOP_SELECTARG1:
        mode = GL_REPLACE;
        break;
    case D3DTOP_SELECTARG2:
        mode = GL_REPLACE;
        first = second;
        break;
    case D3DTOP_MODULATE2X:
        scale = 2.0f;
        break;
    case D3DTOP_MODULATE4X:
        scale = 4.0f;
        break;
    case D3DTOP_ADD:
        mode = GL_ADD;
        break;
    case D3DTOP_DISABLE:  // the alpha of a disabled alpha operation is the diffuse alpha
        mode = GL_REPLACE;
        first = GL_PREVIOUS;
        break;
    default:
        break;
    }
    glTexEnvi(GL_TEXTURE_ENV, alpha ? GL_COMBINE_ALPHA : GL_COMBINE_RGB, mode);
    glTexEnvi(GL_TEXTURE_ENV, alpha ? GL_SOURCE0_ALPHA : GL_SOURCE0_RGB, first);
    glTexEnvi(GL_TEXTURE_ENV, alpha ? GL_SOURCE1_ALPHA : GL_SOURCE1_RGB, second);
    glTexEnvi(GL_TEXTURE_ENV, alpha ? GL_OPERAND0_ALPHA : GL_OPERAND0_RGB, alpha ? GL_SRC_ALPHA : GL_SRC_COLOR);
    glTexEnvi(GL_TEXTURE_ENV, alpha ? GL_OPERAND1_ALPHA : GL_OPERAND1_RGB, alpha ? GL_SRC_ALPHA : GL_SRC_COLOR);
    glTexEnvf(GL_TEXTURE_ENV, alpha ? GL_ALPHA_SCALE : GL_RGB_SCALE, scale);
}

GLint Wrap(DWORD address)
{
    switch (address) {
    case D3DTADDRESS_MIRROR:
        return GL_MIRRORED_REPEAT;
    case D3DTADDRESS_CLAMP:
        return GL_CLAMP_TO_EDGE;
    default:
        return GL_REPEAT;
    }
}

void SetTextureParameter(GLint& applied, GLenum name, GLint value)
{
    if (applied == value) return;
    glTexParameteri(GL_TEXTURE_2D, name, value);
    applied = value;
}

void SetColour(GLenum which, const D3DCOLORVALUE& colour)
{
    const GLfloat value[4] = {colour.r, colour.g, colour.b, colour.a};
    glMaterialfv(GL_FRONT_AND_BACK, which, value);
}

D3DMATRIX Multiply(const D3DMATRIX& a, const D3DMATRIX& b)
{
    D3DMATRIX result;
    for (int row = 0; row < 4; ++row)
        for (int column = 0; column < 4; ++column)
            result.m[row][column] = a.m[row][0] * b.m[0][column] + a.m[row][1] * b.m[1][column] +
                                    a.m[row][2] * b.m[2][column] + a.m[row][3] * b.m[3][column];
    return result;
}

// Without glClipControl: clip z' = 2z - w turns Direct3D's depth range 0..1 into OpenGL's -1..1.
D3DMATRIX FoldDepthRange(const D3DMATRIX& projection)
{
    D3DMATRIX folded = projection;
    for (int row = 0; row < 4; ++row) folded.m[row][2] = 2.0f * projection.m[row][2] - projection.m[row][3];
    return folded;
}

}  // namespace

void GlDevice::ApplyStates(const VertexLayout& layout, bool vertexAlphaOne)
{
    if (renderStates_[D3DRS_ZENABLE] != D3DZB_FALSE) ClearPendingDepth();
    if (dirty_ & kDirtyDepth) ApplyDepth();
    if (dirty_ & kDirtyRaster) ApplyRaster();
    ApplyLighting(layout);
    ApplyTransforms(layout.pretransformed);
    const GlTextureCopy* texture = ApplyTexture();
    const BlendWay way = WayToBlend(AlphaOfDraw(layout, vertexAlphaOne, texture));
    const bool dropClear = way == BlendWay::kWriteShown;
    if ((dirty_ & kDirtyAlphaTest) || dropClear != droppingClear_) ApplyAlphaTest(dropClear);
    ApplyBlend(way);
}

GlDevice::BlendWay GlDevice::WayToBlend(DrawAlpha alpha) const
{
    // A source of alpha 1, under factors that then keep it as it is, blends to its own
    // colour exactly; one of alpha 0 under source alpha and its inverse leaves the target
    // as it is. Either way the rasteriser is spared reading the target.
    const DWORD source = renderStates_[D3DRS_SRCBLEND], dest = renderStates_[D3DRS_DESTBLEND];
    if (!renderStates_[D3DRS_ALPHABLENDENABLE] || renderStates_[D3DRS_BLENDOP] != kBlendOpAdd)
        return BlendWay::kBlend;
    const bool keepsSource = (source == D3DBLEND_SRCALPHA || source == D3DBLEND_ONE) &&
                             (dest == D3DBLEND_INVSRCALPHA || dest == D3DBLEND_ZERO);
    if (alpha == DrawAlpha::kOne && keepsSource) return BlendWay::kWrite;
    // The game's own alpha test would be lost to ours.
    if (alpha == DrawAlpha::kZeroOrOne && source == D3DBLEND_SRCALPHA && dest == D3DBLEND_INVSRCALPHA &&
        !renderStates_[D3DRS_ALPHATESTENABLE])
        return BlendWay::kWriteShown;
    return BlendWay::kBlend;
}

void GlDevice::ApplyBlend(BlendWay way)
{
    Enable(GL_BLEND, renderStates_[D3DRS_ALPHABLENDENABLE] && way == BlendWay::kBlend);
    if (!(dirty_ & kDirtyBlend)) return;
    glBlendFunc(BlendFactor(renderStates_[D3DRS_SRCBLEND]), BlendFactor(renderStates_[D3DRS_DESTBLEND]));
    Gl().BlendEquation(BlendEquationOf(renderStates_[D3DRS_BLENDOP]));
    dirty_ &= ~kDirtyBlend;
}

GlDevice::DrawAlpha GlDevice::AlphaOfDraw(const VertexLayout& layout, bool vertexAlphaOne,
                                           const GlTextureCopy* texture) const
{
    // OpenGL's lighting takes its alpha from the diffuse material, which the vertices'
    // colour replaces when it stands for the diffuse material.
    const bool lit = !layout.pretransformed && renderStates_[D3DRS_LIGHTING];
    const bool vertexDiffuse = layout.diffuse >= 0 && renderStates_[D3DRS_COLORVERTEX] &&
                               renderStates_[D3DRS_DIFFUSEMATERIALSOURCE] == D3DMCS_COLOR1;
    const bool diffuseOne = lit && !vertexDiffuse ? material_.Diffuse.a >= 1.0f : vertexAlphaOne;
    const DrawAlpha diffuse = diffuseOne ? DrawAlpha::kOne : DrawAlpha::kAny;
    if (!texture) return diffuse;
    // Sampled from the nearest texel, a texture reads only the alphas its texels hold;
    // filtered, it reads those in between.
    const auto& sampler = samplerStates_[0];
    const bool nearest = sampler[D3DSAMP_MINFILTER] != D3DTEXF_LINEAR && sampler[D3DSAMP_MAGFILTER] != D3DTEXF_LINEAR;
    DrawAlpha sampled = DrawAlpha::kAny;
    if (texture->opaque)
        sampled = DrawAlpha::kOne;
    else if (texture->clearOrOpaque && nearest)
        sampled = DrawAlpha::kZeroOrOne;
    const auto& stage = stageStates_[0];
    const auto arg = [&](DWORD which) {
        if (which == D3DTA_TEXTURE) return sampled;
        return which == D3DTA_DIFFUSE || which == D3DTA_CURRENT ? diffuse : DrawAlpha::kAny;
    };
    switch (stage[D3DTSS_ALPHAOP]) {
    case D3DTOP_DISABLE:
        return diffuse;
    case D3DTOP_SELECTARG1:
        return arg(stage[D3DTSS_ALPHAARG1]);
    case D3DTOP_SELECTARG2:
        return arg(stage[D3DTSS_ALPHAARG2]);
    case D3DTOP_MODULATE:
        // A product of ones and zeros; DrawAlpha runs from the narrowest to the widest.
        return std::max(arg(stage[D3DTSS_ALPHAARG1]), arg(stage[D3DTSS_ALPHAARG2]));
    default:
        return DrawAlpha::kAny;
    }
}

void GlDevice::Enable(GLenum capability, bool on)
{
    const auto applied = enabled_.find(capability);
    if (applied != enabled_.end() && applied->second == on) return;
    if (on)
        glEnable(capability);
    else
        glDisable(capability);
    enabled_[capability] = on;
}

void GlDevice::ApplyDepth()
{
    // With D3DRS_ZENABLE off nothing is tested or written, in either interface.
    Enable(GL_DEPTH_TEST, renderStates_[D3DRS_ZENABLE] != D3DZB_FALSE);
    glDepthFunc(CompareFunction(renderStates_[D3DRS_ZFUNC]));
    glDepthMask(renderStates_[D3DRS_ZWRITEENABLE] ? GL_TRUE : GL_FALSE);
    dirty_ &= ~kDirtyDepth;
}

void GlDevice::ApplyRaster()
{
    // Direct3D's front faces run clockwise on the screen. The back buffer holds the picture
    // the right way up for OpenGL, so a turn on the screen is the same turn in OpenGL's
    // window coordinates.
    const DWORD cull = renderStates_[D3DRS_CULLMODE];
    if (cull == D3DCULL_NONE) {
        Enable(GL_CULL_FACE, false);
    } else {
        Enable(GL_CULL_FACE, true);
        glCullFace(GL_BACK);
        glFrontFace(cull == D3DCULL_CCW ? GL_CW : GL_CCW);
    }
    static const GLenum kFillModes[] = {GL_POINT, GL_LINE, GL_FILL};
    glPolygonMode(GL_FRONT_AND_BACK, kFillModes[renderStates_[D3DRS_FILLMODE] - 1]);
    glShadeModel(renderStates_[D3DRS_SHADEMODE] == 1 ? GL_FLAT : GL_SMOOTH);
    Enable(GL_DITHER, renderStates_[D3DRS_DITHERENABLE]);
    Enable(GL_NORMALIZE, renderStates_[D3DRS_NORMALIZENORMALS]);
    dirty_ &= ~kDirtyRaster;
}

void GlDevice::ApplyAlphaTest(bool dropClear)
{
    if (dropClear) {
        Enable(GL_ALPHA_TEST, true);
        glAlphaFunc(GL_GREATER, 0.0f);
    } else {
        Enable(GL_ALPHA_TEST, renderStates_[D3DRS_ALPHATESTENABLE]);
        glAlphaFunc(CompareFunction(renderStates_[D3DRS_ALPHAFUNC]), float(renderStates_[D3DRS_ALPHAREF]) / 255.0f);
    }
    droppingClear_ = dropClear;
    dirty_ &= ~kDirtyAlphaTest;
}

void GlDevice::ApplyLights()
{
    // Each light as OpenGL takes it: diffuse, specular and ambient colour, and the way
    // towards the light in eye space. The view moves the lights' directions only when it
    // turns, so most changes of it leave every light as it was given last.
    std::array<LightValues, kLights> values = {};
    for (UINT i = 0; i < kLights; ++i) {
        if (!lightEnabled_[i]) continue;
        values[i][16] = 1.0f;
        const D3DLIGHT9& light = lights_[i];
        const D3DCOLORVALUE colours[3] = {light.Diffuse, light.Specular, light.Ambient};
        for (int c = 0; c < 3; ++c) {
            values[i][4 * c + 0] = colours[c].r;
            values[i][4 * c + 1] = colours[c].g;
            values[i][4 * c + 2] = colours[c].b;
            values[i][4 * c + 3] = colours[c].a;
        }
        // Direct3D names where the light travels; OpenGL wants the way towards the light.
        const D3DVECTOR& d = light.Direction;
        float* towards = &values[i][12];
        towards[0] = -(d.x * view_._11 + d.y * view_._21 + d.z * view_._31);
        towards[1] = -(d.x * view_._12 + d.y * view_._22 + d.z * view_._32);
        towards[2] = -(d.x * view_._13 + d.y * view_._23 + d.z * view_._33);
        const float length = std::sqrt(towards[0] * towards[0] + towards[1] * towards[1] + towards[2] * towards[2]);
        if (length > 0.0f) {
            for (int axis = 0; axis < 3; ++axis) towards[axis] /= length;
        }
    }
    dirty_ &= ~kDirtyLights;
    if (lightsApplied_ && values == appliedLights_) return;
    // Each direction is given with an identity modelview, being in eye space already.
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    for (UINT i = 0; i < kLights; ++i) {
        const GLenum id = GL_LIGHT0 + i;
        Enable(id, lightEnabled_[i]);
        if (!lightEnabled_[i]) continue;
        glLightfv(id, GL_DIFFUSE, &values[i][0]);
        glLightfv(id, GL_SPECULAR, &values[i][4]);
        glLightfv(id, GL_AMBIENT, &values[i][8]);
        glLightfv(id, GL_POSITION, &values[i][12]);
    }
    appliedLights_ = values;
    lightsApplied_ = true;
    dirty_ |= kDirtyTransforms;
}

void GlDevice::ApplyMaterial()
{
    // Models set their material at every draw, mostly the one already given.
    const DWORD ambient = renderStates_[D3DRS_AMBIENT];
    const bool specular = renderStates_[D3DRS_SPECULARENABLE] != 0;
    dirty_ &= ~kDirtyMaterial;
    if (!colourMaterialUsed_ && materialApplied_ && std::memcmp(&appliedMaterial_, &material_, sizeof material_) == 0 &&
        appliedAmbient_ == ambient && appliedSpecular_ == specular)
        return;
    SetColour(GL_AMBIENT, material_.Ambient);
    SetColour(GL_DIFFUSE, material_.Diffuse);
    SetColour(GL_EMISSION, material_.Emissive);
    SetColour(GL_SPECULAR, specular ? material_.Specular : D3DCOLORVALUE{0, 0, 0, 0});
    glMaterialf(GL_FRONT_AND_BACK, GL_SHININESS, std::clamp(material_.Power, 0.0f, 128.0f));
    const GLfloat global[4] = {float((ambient >> 16) & 0xFF) / 255.0f, float((ambient >> 8) & 0xFF) / 255.0f,
                               float(ambient & 0xFF) / 255.0f, float(ambient >> 24) / 255.0f};
    glLightModelfv(GL_LIGHT_MODEL_AMBIENT, global);
    colourMaterialUsed_ = false;
    appliedMaterial_ = material_;
    appliedAmbient_ = ambient;
    appliedSpecular_ = specular;
    materialApplied_ = true;
}

void GlDevice::ApplyLighting(const VertexLayout& layout)
{
    Enable(GL_COLOR_MATERIAL, false);
    const bool lit = !layout.pretransformed && renderStates_[D3DRS_LIGHTING];
    if (!lit) {
        // Unlit vertices keep their colour, or white without one.
        Enable(GL_LIGHTING, false);
        if (layout.diffuse < 0) glColor4f(1.0f, 1.0f, 1.0f, 1.0f);
        Enable(GL_COLOR_SUM, renderStates_[D3DRS_SPECULARENABLE] && layout.specular >= 0);
        return;
    }
    Enable(GL_COLOR_SUM, false);  // lighting adds its own specular colour
    // Direct3D adds specular light after texturing. Without specular there is nothing to
    // add, and the software rasteriser shades each pixel faster without a second colour.
    const bool specular = renderStates_[D3DRS_SPECULARENABLE] != 0;
    if (specular != separateSpecular_) {
        glLightModeli(GL_LIGHT_MODEL_COLOR_CONTROL, specular ? GL_SEPARATE_SPECULAR_COLOR : GL_SINGLE_COLOR);
        separateSpecular_ = specular;
    }
    if (dirty_ & kDirtyLights) ApplyLights();
    // A draw that took a material colour from its vertices has overwritten it.
    if ((dirty_ & kDirtyMaterial) || colourMaterialUsed_) ApplyMaterial();
    Enable(GL_LIGHTING, true);
    if (layout.normal < 0) glNormal3f(0.0f, 0.0f, 0.0f);  // no normal: ambient and emissive light only
    if (layout.diffuse < 0 || !renderStates_[D3DRS_COLORVERTEX]) return;
    const bool diffuse = renderStates_[D3DRS_DIFFUSEMATERIALSOURCE] == D3DMCS_COLOR1;
    const bool ambient = renderStates_[D3DRS_AMBIENTMATERIALSOURCE] == D3DMCS_COLOR1;
    const bool emissive = renderStates_[D3DRS_EMISSIVEMATERIALSOURCE] == D3DMCS_COLOR1;
    GLenum tracked = 0;
    if (diffuse && ambient)
        tracked = GL_AMBIENT_AND_DIFFUSE;
    else if (diffuse)
        tracked = GL_DIFFUSE;
    else if (ambient)
        tracked = GL_AMBIENT;
    else if (emissive)
        tracked = GL_EMISSION;
    if (!tracked) return;
    glColorMaterial(GL_FRONT_AND_BACK, tracked);
    Enable(GL_COLOR_MATERIAL, true);
    colourMaterialUsed_ = true;
}

void GlDevice::ApplyTransforms(bool pretransformed)
{
    if (pretransformed) {
        if (pixelMatrices_) return;
        // Back-buffer pixels, y down, pixel centres on whole numbers, into clip space.
        const float width = float(backBuffer_.Width()), height = float(backBuffer_.Height());
        const bool zeroToOne = Gl().ClipControl != nullptr;
        const GLfloat pixels[16] = {2.0f / width,        0.0f, 0.0f, 0.0f, 0.0f, -2.0f / height, 0.0f, 0.0f,
                                    0.0f,                0.0f, zeroToOne ? 1.0f : 2.0f, 0.0f,
                                    1.0f / width - 1.0f, 1.0f - 1.0f / height, zeroToOne ? 0.0f : -1.0f, 1.0f};
        glMatrixMode(GL_PROJECTION);
        glLoadMatrixf(pixels);
        glMatrixMode(GL_MODELVIEW);
        glLoadIdentity();
        pixelMatrices_ = true;
        return;
    }
    if (!pixelMatrices_ && !(dirty_ & kDirtyTransforms)) return;
    const D3DMATRIX projection = Gl().ClipControl ? projection_ : FoldDepthRange(projection_);
    glMatrixMode(GL_PROJECTION);
    glLoadMatrixf(&projection._11);
    const D3DMATRIX worldView = Multiply(world_, view_);
    glMatrixMode(GL_MODELVIEW);
    glLoadMatrixf(&worldView._11);
    pixelMatrices_ = false;
    dirty_ &= ~kDirtyTransforms;
}

const GlTextureCopy* GlDevice::ApplyTexture()
{
    MemoryTexture* texture = textures_[0];
    // No texture, or a disabled stage: the lit (or vertex) colour alone.
    if (!texture || stageStates_[0][D3DTSS_COLOROP] == D3DTOP_DISABLE) {
        Enable(GL_TEXTURE_2D, false);
        return nullptr;
    }
    GlTextureCopy& copy = UploadTexture(*texture, context_);
    Enable(GL_TEXTURE_2D, true);
    const auto& sampler = samplerStates_[0];
    SetTextureParameter(copy.minFilter, GL_TEXTURE_MIN_FILTER,
                        sampler[D3DSAMP_MINFILTER] == D3DTEXF_LINEAR ? GL_LINEAR : GL_NEAREST);
    SetTextureParameter(copy.magFilter, GL_TEXTURE_MAG_FILTER,
                        sampler[D3DSAMP_MAGFILTER] == D3DTEXF_LINEAR ? GL_LINEAR : GL_NEAREST);
    SetTextureParameter(copy.wrapS, GL_TEXTURE_WRAP_S, Wrap(sampler[D3DSAMP_ADDRESSU]));
    SetTextureParameter(copy.wrapT, GL_TEXTURE_WRAP_T, Wrap(sampler[D3DSAMP_ADDRESSV]));
    if (dirty_ & kDirtyStage) ApplyTextureStage();
    return &copy;
}

void GlDevice::ApplyTextureStage()
{
    const auto& stage = stageStates_[0];
    SetCombine(false, stage[D3DTSS_COLOROP], stage[D3DTSS_COLORARG1], stage[D3DTSS_COLORARG2]);
    SetCombine(true, stage[D3DTSS_ALPHAOP], stage[D3DTSS_ALPHAARG1], stage[D3DTSS_ALPHAARG2]);
    dirty_ &= ~kDirtyStage;
}

}  // namespace d3d9
