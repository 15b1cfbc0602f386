// Seeds of the JPEG reader: the textures of DATA as written, a block of one compressed in
// the other ways the reader meets (full-size chroma with restart markers, greyscale,
// progressive, arithmetic coding, CMYK), and broken files.
#include <csetjmp>
#include <cstdio>  // before jpeglib.h, which needs FILE and size_t
#include <cstdlib>
#include <optional>

#include <jpeglib.h>

#include "seed_files.h"

namespace seeds {

namespace {

struct Form {
    J_COLOR_SPACE space = JCS_RGB;
    bool fullChroma = false;
    bool progressive = false;
    bool arithmetic = false;
    int restartRows = 0;
};

struct Errors {
    jpeg_error_mgr base;  // first, so that libjpeg's pointer to it is a pointer to the whole
    std::jmp_buf escape;
};

[[noreturn]] void Escape(j_common_ptr info) { std::longjmp(reinterpret_cast<Errors*>(info->err)->escape, 1); }

Bytes Samples(const Picture& picture, J_COLOR_SPACE space)
{
    Bytes samples;
    for (uint32_t pixel : picture.pixels) {
        const uint8_t r = uint8_t(pixel >> 16), g = uint8_t(pixel >> 8), b = uint8_t(pixel);
        if (space == JCS_GRAYSCALE)
            samples.push_back(uint8_t((r + g + b) / 3));
        else if (space == JCS_CMYK)
            samples.insert(samples.end(), {uint8_t(255 - r), uint8_t(255 - g), uint8_t(255 - b), 0});
        else
            samples.insert(samples.end(), {r, g, b});
    }
    return samples;
}

// Empty when this libjpeg cannot write the form (arithmetic coding is optional).
std::optional<Bytes> Encode(const Picture& picture, const Form& form)
{
    Bytes samples = Samples(picture, form.space);
    jpeg_compress_struct info{};
    Errors errors{};
    info.err = jpeg_std_error(&errors.base);
    errors.base.error_exit = Escape;
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    if (setjmp(errors.escape)) {
        jpeg_destroy_compress(&info);
        std::free(buffer);
        return std::nullopt;
    }
    jpeg_create_compress(&info);
    jpeg_mem_dest(&info, &buffer, &size);
    info.image_width = picture.width;
    info.image_height = picture.height;
    info.input_components = form.space == JCS_GRAYSCALE ? 1 : form.space == JCS_CMYK ? 4 : 3;
    info.in_color_space = form.space;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, 85, TRUE);
    if (form.fullChroma) info.comp_info[0].h_samp_factor = info.comp_info[0].v_samp_factor = 1;
    if (form.progressive) jpeg_simple_progression(&info);
    info.arith_code = form.arithmetic;
    info.restart_in_rows = form.restartRows;
    jpeg_start_compress(&info, TRUE);
    const JDIMENSION stride = picture.width * JDIMENSION(info.input_components);
    while (info.next_scanline < info.image_height) {
        JSAMPROW row = &samples[size_t(info.next_scanline) * stride];
        jpeg_write_scanlines(&info, &row, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    Bytes out(buffer, buffer + size);
    std::free(buffer);
    return out;
}

// The offset of the first marker of this code, or of the end when there is none.
size_t Marker(const Bytes& file, uint8_t code)
{
    for (size_t at = 0; at + 1 < file.size(); ++at)
        if (file[at] == 0xFF && file[at + 1] == code) return at;
    return file.size();
}

}  // namespace

void WriteJpegSeeds(const std::filesystem::path& data, const std::filesystem::path& corpus)
{
    for (const auto& entry : std::filesystem::directory_iterator(data / "XFILE"))
        if (entry.path().extension() == ".jpg") Write(corpus, entry.path().filename().string(), ReadFile(entry.path()));

    // Wider than one block and not a whole number of them.
    const Picture picture = Crop(data / "XFILE" / "boss.jpg", 100, 100, 19, 11);
    const std::vector<std::pair<const char*, Form>> forms = {
        {"baseline", {}},
        {"full-chroma-restarts", {.fullChroma = true, .restartRows = 1}},
        {"grey", {.space = JCS_GRAYSCALE}},
        {"progressive", {.progressive = true}},
        {"arithmetic", {.arithmetic = true}},
        {"cmyk", {.space = JCS_CMYK}},
    };
    for (const auto& [name, form] : forms)
        if (std::optional<Bytes> file = Encode(picture, form)) Write(corpus, std::string(name) + ".jpg", *file);

    const Bytes plain = *Encode(picture, {});
    const Bytes progressive = *Encode(picture, {.progressive = true});
    WriteCuts(corpus, "baseline.jpg", plain, Marker(plain, 0xDA));
    WriteCuts(corpus, "progressive.jpg", progressive, Marker(progressive, 0xDA) + 200);
    // The frame header's height and width (after its length and precision) made 0, then 65535.
    const size_t frame = Marker(plain, 0xC0) + 5;
    Write(corpus, "zero-size.jpg", Patched(plain, frame, {0, 0, 0, 0}));
    Write(corpus, "huge-size.jpg", Patched(plain, frame, {0xFF, 0xFF, 0xFF, 0xFF}));
    Write(corpus, "components.jpg", Patched(plain, frame + 4, {9}));
    // The Huffman tables hidden as an application segment, so the scan has none.
    Write(corpus, "no-tables.jpg", Patched(plain, Marker(plain, 0xC4) + 1, {0xEF}));
}

}  // namespace seeds
