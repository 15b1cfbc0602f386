// Software composition of sprite draws, and PNG screenshots through libpng.
#include "software_screen.h"

#include <png.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <stdexcept>

#include "sheets/canvas.h"

SheetTexture::SheetTexture(const sheets::Canvas& canvas)
    : width(canvas.Width()), height(canvas.Height()), rgb(canvas.Rgb8())
{
}

namespace {

struct Texel {
    float r, g, b, a;
};

Texel Fetch(const SheetTexture& sheet, int x, int y)
{
    x = std::clamp(x, 0, sheet.width - 1);
    y = std::clamp(y, 0, sheet.height - 1);
    const std::uint8_t* p = &sheet.rgb[(std::size_t(y) * sheet.width + x) * 3];
    const bool key = p[0] == 0 && p[1] == 0 && p[2] == 0;
    return {float(p[0]), float(p[1]), float(p[2]), key ? 0.0f : 1.0f};
}

// Bilinear, as the game's samplers are set: texel centres at +0.5.
Texel Sample(const SheetTexture& sheet, float u, float v)
{
    const float fx = u - 0.5f, fy = v - 0.5f;
    const int x0 = int(std::floor(fx)), y0 = int(std::floor(fy));
    const float tx = fx - x0, ty = fy - y0;
    const Texel t[4] = {Fetch(sheet, x0, y0), Fetch(sheet, x0 + 1, y0), Fetch(sheet, x0, y0 + 1), Fetch(sheet, x0 + 1, y0 + 1)};
    const float w[4] = {(1 - tx) * (1 - ty), tx * (1 - ty), (1 - tx) * ty, tx * ty};
    Texel out{0, 0, 0, 0};
    for (int i = 0; i < 4; ++i) {
        out.r += t[i].r * w[i];
        out.g += t[i].g * w[i];
        out.b += t[i].b * w[i];
        out.a += t[i].a * w[i];
    }
    return out;
}

}  // namespace

SoftwareScreen::SoftwareScreen() : pixels_(std::size_t(kWidth) * kHeight, Pixel{0, 0, 0}) {}

void SoftwareScreen::Clear(Pixel colour)
{
    std::fill(pixels_.begin(), pixels_.end(), colour);
}

void SoftwareScreen::Draw(const SheetTexture& sheet, sheets::Rect source, float x, float y, std::uint32_t argb,
                          SpriteBlend blend, float scale)
{
    const float ca = (argb >> 24) / 255.0f, cr = ((argb >> 16) & 255) / 255.0f;
    const float cg = ((argb >> 8) & 255) / 255.0f, cb = (argb & 255) / 255.0f;
    const float x1 = x + source.Width() * scale, y1 = y + source.Height() * scale;
    for (int py = std::max(0, int(std::floor(y))); py < std::min(kHeight, int(std::ceil(y1))); ++py) {
        for (int px = std::max(0, int(std::floor(x))); px < std::min(kWidth, int(std::ceil(x1))); ++px) {
            const float cx = px + 0.5f, cy = py + 0.5f;
            if (cx < x || cy < y || cx >= x1 || cy >= y1) continue;
            const Texel t = Sample(sheet, source.left + (cx - x) / scale, source.top + (cy - y) / scale);
            const float a = t.a * ca;
            Pixel& d = pixels_[std::size_t(py) * kWidth + px];
            const float keep = blend == SpriteBlend::Standard ? 1 - a : 1;
            d.r = std::min(255.0f, t.r * cr * a + d.r * keep);
            d.g = std::min(255.0f, t.g * cg * a + d.g * keep);
            d.b = std::min(255.0f, t.b * cb * a + d.b * keep);
        }
    }
}

void SoftwareScreen::SavePng(const std::filesystem::path& file) const
{
    std::vector<std::uint8_t> bytes(pixels_.size() * 3);
    for (std::size_t i = 0; i < pixels_.size(); ++i) {
        bytes[i * 3] = std::uint8_t(std::lround(pixels_[i].r));
        bytes[i * 3 + 1] = std::uint8_t(std::lround(pixels_[i].g));
        bytes[i * 3 + 2] = std::uint8_t(std::lround(pixels_[i].b));
    }
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    image.width = kWidth;
    image.height = kHeight;
    image.format = PNG_FORMAT_RGB;
    if (!png_image_write_to_file(&image, file.string().c_str(), 0, bytes.data(), 0, nullptr)) {
        throw std::runtime_error("cannot write " + file.string());
    }
}

std::filesystem::path ScreenshotDir()
{
    const char* build = std::getenv("VELTRANE_BUILD");
    const std::filesystem::path dir = std::filesystem::path(build ? build : ".") / "screens";
    std::filesystem::create_directories(dir);
    return dir;
}
