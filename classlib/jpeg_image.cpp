#include "jpeg_image.h"

#include "exceptions.h"

#include <windows.h>

#include <climits>
#include <csetjmp>
#include <cstdio>
#include <string>
#include <type_traits>

// After <windows.h>: libjpeg leaves alone the integer types Windows defines.
#include <jpeglib.h>

namespace {

// Palette devices keep 20 static colours of their 256 for the system.
constexpr int PaletteColours = 236;

struct GdiObjectDeleter {
    void operator()(HGDIOBJ object) const noexcept { DeleteObject(object); }
};
template <class Handle>
using GdiObject = std::unique_ptr<std::remove_pointer_t<Handle>, GdiObjectDeleter>;

struct MemoryDcDeleter {
    void operator()(HDC dc) const noexcept { DeleteDC(dc); }
};
using MemoryDc = std::unique_ptr<std::remove_pointer_t<HDC>, MemoryDcDeleter>;

// An object selected into a device context until the end of the scope.
class Selection {
public:
    Selection(HDC dc, HGDIOBJ object) : dc_(dc), previous_(SelectObject(dc, object)) {}
    ~Selection() { SelectObject(dc_, previous_); }
    Selection(const Selection&) = delete;
    Selection& operator=(const Selection&) = delete;

private:
    HDC dc_;
    HGDIOBJ previous_;
};

// The picture's palette realised on a palette device for one paint, as a
// background palette: the window, not a picture inside it, owns the
// foreground. Without a palette nothing is selected.
class RealizedPalette {
public:
    RealizedPalette(HDC dc, HPALETTE palette) : dc_(dc) {
        if (!palette) return;
        previous_ = SelectPalette(dc, palette, TRUE);
        RealizePalette(dc);
    }
    ~RealizedPalette() {
        if (previous_) SelectPalette(dc_, previous_, TRUE);
    }
    RealizedPalette(const RealizedPalette&) = delete;
    RealizedPalette& operator=(const RealizedPalette&) = delete;

private:
    HDC dc_;
    HPALETTE previous_ = nullptr;
};

// The caller's stretch mode comes back after the paint.
class StretchMode {
public:
    StretchMode(HDC dc, int mode) : dc_(dc), previous_(SetStretchBltMode(dc, mode)) {}
    ~StretchMode() {
        if (previous_) SetStretchBltMode(dc_, previous_);
    }
    StretchMode(const StretchMode&) = delete;
    StretchMode& operator=(const StretchMode&) = delete;

private:
    HDC dc_;
    int previous_;
};

[[noreturn]] void ThrowOutOfResources() { throw Exception("Out of system resources"); }

// libjpeg reports a fatal error through error_exit, which must not return.
// It jumps back to the setjmp in Decompressor::Attempt, just above the C
// frames; only there, on the C++ side, does the failure become an Exception.
struct ErrorManager {
    jpeg_error_mgr manager;
    std::jmp_buf jump;
};

[[noreturn]] void JumpBack(j_common_ptr info) { std::longjmp(reinterpret_cast<ErrorManager*>(info->err)->jump, 1); }

// Warnings (damaged data that libjpeg gets past) have no one to go to in a
// GUI program; the picture is shown as well as it decodes.
void IgnoreMessage(j_common_ptr) {}

// libjpeg's state; destroying one that was never created does nothing, so
// it is released also when reading the header fails.
struct DecompressState {
    jpeg_decompress_struct info{};
    ~DecompressState() { jpeg_destroy_decompress(&info); }
};

// A libjpeg decompressor over bytes in memory, its header read.
class Decompressor {
public:
    Decompressor(const void* data, std::size_t size) {
        if (size > ULONG_MAX) throw Exception("JPEG error: the picture is too large");
        state_.info.err = jpeg_std_error(&errors_.manager);
        errors_.manager.error_exit = JumpBack;
        errors_.manager.output_message = IgnoreMessage;
        Run([&](j_decompress_ptr info) {
            jpeg_create_decompress(info);
            jpeg_mem_src(info, static_cast<const unsigned char*>(data), static_cast<unsigned long>(size));
            jpeg_read_header(info, TRUE);
        });
    }
    Decompressor(const Decompressor&) = delete;
    Decompressor& operator=(const Decompressor&) = delete;

    jpeg_decompress_struct& Info() noexcept { return state_.info; }

    // Runs a stretch of libjpeg calls; a fatal error in it raises Exception
    // once the C frames are left. The step must own nothing that needs a
    // destructor, since an error abandons it midway.
    template <class Step>
    void Run(Step&& step) {
        auto call = [](j_decompress_ptr info, void* context) {
            (*static_cast<std::remove_reference_t<Step>*>(context))(info);
        };
        if (!Attempt(call, &step)) {
            char text[JMSG_LENGTH_MAX];
            errors_.manager.format_message(reinterpret_cast<j_common_ptr>(&state_.info), text);
            throw Exception(std::string("JPEG error: ") + text);
        }
    }

private:
    bool Attempt(void (*call)(j_decompress_ptr, void*), void* context) {
        if (setjmp(errors_.jump)) return false;
        call(&state_.info, context);
        return true;
    }

    ErrorManager errors_{};
    DecompressState state_;
};

}  // namespace

// The decoded picture: a top-down DIB section, so that libjpeg writes its
// rows straight into the bitmap, and on palette devices the palette to
// realise with it.
class TJPEGImage::TBitmap {
public:
    GdiObject<HBITMAP> handle;
    GdiObject<HPALETTE> palette;
    TJPEGPixels pixels;
};

TJPEGImage::TJPEGImage(const void* data, std::size_t size) : data_(data), size_(size) {
    Decompressor jpeg(data, size);
    width_ = static_cast<int>(jpeg.Info().image_width);
    height_ = static_cast<int>(jpeg.Info().image_height);
}

TJPEGImage::~TJPEGImage() = default;

void TJPEGImage::Draw(void* deviceContext, int left, int top, int width, int height) {
    HDC target = static_cast<HDC>(deviceContext);
    if (!bitmap_) Decode(GetDeviceCaps(target, BITSPIXEL) * GetDeviceCaps(target, PLANES) <= 8);
    MemoryDc source(CreateCompatibleDC(target));
    if (!source) ThrowOutOfResources();
    Selection picture(source.get(), bitmap_->handle.get());
    RealizedPalette palette(target, bitmap_->palette.get());
    // COLORONCOLOR drops the eliminated rows and columns instead of blending them.
    StretchMode mode(target, COLORONCOLOR);
    StretchBlt(target, left, top, width, height, source.get(), 0, 0, width_, height_, SRCCOPY);
}

TJPEGPixels TJPEGImage::Pixels() const { return bitmap_ ? bitmap_->pixels : TJPEGPixels{}; }

void TJPEGImage::Decode(bool toPalette) {
    Decompressor jpeg(data_, size_);
    jpeg.Run([toPalette](j_decompress_ptr info) {
        info->scale_num = 1;
        info->scale_denom = 1;
        info->dct_method = JDCT_FLOAT;
        info->do_fancy_upsampling = TRUE;
        if (toPalette) {
            // Two-pass quantisation: the colours are chosen for this picture.
            info->out_color_space = JCS_RGB;
            info->quantize_colors = TRUE;
            info->desired_number_of_colors = PaletteColours;
        } else {
            info->out_color_space = JCS_EXT_BGR;
        }
        jpeg_start_decompress(info);
    });
    jpeg_decompress_struct& info = jpeg.Info();

    auto bitmap = std::make_unique<TBitmap>();
    TJPEGPixels& pixels = bitmap->pixels;
    pixels.width = static_cast<int>(info.output_width);
    pixels.height = static_cast<int>(info.output_height);
    pixels.bitsPerPixel = toPalette ? 8 : 24;
    pixels.stride = (static_cast<std::size_t>(pixels.width) * pixels.bitsPerPixel + 31) / 32 * 4;

    // Room for the largest colour table after the header.
    struct {
        BITMAPINFOHEADER header;
        RGBQUAD colours[256];
    } format{};
    format.header.biSize = sizeof format.header;
    format.header.biWidth = pixels.width;
    format.header.biHeight = -pixels.height;
    format.header.biPlanes = 1;
    format.header.biBitCount = static_cast<WORD>(pixels.bitsPerPixel);
    format.header.biCompression = BI_RGB;
    if (toPalette) {
        // The colour map is freed with the decode; it is copied out now.
        const int count = info.actual_number_of_colors;
        format.header.biClrUsed = static_cast<DWORD>(count);
        std::vector<PALETTEENTRY> entries;
        for (int i = 0; i < count; ++i) {
            const BYTE red = info.colormap[0][i], green = info.colormap[1][i], blue = info.colormap[2][i];
            pixels.palette.insert(pixels.palette.end(), {red, green, blue});
            format.colours[i] = RGBQUAD{blue, green, red, 0};
            entries.push_back(PALETTEENTRY{red, green, blue, 0});
        }
        const LOGPALETTE first{0x300, 1, {entries.front()}};
        bitmap->palette.reset(CreatePalette(&first));
        if (!bitmap->palette || !ResizePalette(bitmap->palette.get(), static_cast<UINT>(count)))
            ThrowOutOfResources();
        SetPaletteEntries(bitmap->palette.get(), 0, static_cast<UINT>(count), entries.data());
    }

    void* bits = nullptr;
    bitmap->handle.reset(CreateDIBSection(nullptr, reinterpret_cast<const BITMAPINFO*>(&format), DIB_RGB_COLORS,
                                          &bits, nullptr, 0));
    if (!bitmap->handle) ThrowOutOfResources();
    pixels.bits = static_cast<const std::uint8_t*>(bits);

    std::vector<JSAMPROW> rows(static_cast<std::size_t>(pixels.height));
    for (std::size_t row = 0; row < rows.size(); ++row) rows[row] = static_cast<JSAMPROW>(bits) + row * pixels.stride;
    jpeg.Run([&rows](j_decompress_ptr info) {
        while (info->output_scanline < info->output_height)
            jpeg_read_scanlines(info, rows.data() + info->output_scanline, info->output_height - info->output_scanline);
        jpeg_finish_decompress(info);
    });
    bitmap_ = std::move(bitmap);
}
