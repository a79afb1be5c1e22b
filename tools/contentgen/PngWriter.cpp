#include "PngWriter.h"

#include <png.h>

#include <cstdio>
#include <memory>

namespace contentgen {

namespace {
struct FileCloser {
    void operator()(std::FILE* f) const { std::fclose(f); }
};
} // namespace

namespace {
// Writes `height` rows of `width` pixels of the colour type given, each row `stride` bytes
// from the last, starting at `first_row`.
bool write_rows(int width, int height, int colour_type, const std::uint8_t* first_row,
                std::size_t stride, const std::string& path) {
    std::unique_ptr<std::FILE, FileCloser> file(std::fopen(path.c_str(), "wb"));
    if (!file) {
        std::fprintf(stderr, "contentgen: cannot write %s\n", path.c_str());
        return false;
    }
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png ? png_create_info_struct(png) : nullptr;
    if (!png || !info) {
        png_destroy_write_struct(&png, &info);
        std::fprintf(stderr, "contentgen: libpng failed to start for %s\n", path.c_str());
        return false;
    }
    // libpng reports errors by longjmp; nothing with a destructor is created below this point.
    if (setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        std::fprintf(stderr, "contentgen: libpng failed writing %s\n", path.c_str());
        return false;
    }
    png_init_io(png, file.get());
    png_set_IHDR(png, info, static_cast<png_uint_32>(width), static_cast<png_uint_32>(height), 8,
                 colour_type, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
                 PNG_FILTER_TYPE_DEFAULT);
    png_set_compression_level(png, 6);
    png_write_info(png, info);
    for (int y = 0; y < height; ++y)
        png_write_row(png, first_row + static_cast<std::size_t>(y) * stride);
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    return true;
}
} // namespace

bool write_png(const Canvas& canvas, const std::string& path) {
    // Rgb is three bytes in r, g, b order, exactly a PNG RGB row.
    static_assert(sizeof(Rgb) == 3, "Rgb must be packed as three bytes");
    return write_rows(canvas.width(), canvas.height(), PNG_COLOR_TYPE_RGB,
                      reinterpret_cast<const std::uint8_t*>(canvas.data().data()),
                      sizeof(Rgb) * static_cast<std::size_t>(canvas.width()), path);
}

bool write_png_rgba(int width, int height, const std::vector<std::uint8_t>& rgba,
                    const std::string& path) {
    return write_rows(width, height, PNG_COLOR_TYPE_RGB_ALPHA, rgba.data(),
                      4 * static_cast<std::size_t>(width), path);
}

} // namespace contentgen
