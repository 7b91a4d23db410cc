#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

// A read-only view of a decoded picture. Rows run top to bottom, `stride`
// bytes apart. At 24 bits a pixel each pixel is blue, green, red; at 8 bits
// it is an index into `palette`, whose entries are red, green, blue triples.
struct TJPEGPixels {
    int width = 0;
    int height = 0;
    int bitsPerPixel = 0;
    std::size_t stride = 0;
    const std::uint8_t* bits = nullptr;
    std::vector<std::uint8_t> palette;
};

// A JPEG picture over compressed bytes that the caller keeps alive for the
// object's life. Construction reads only the header; the first Draw decodes
// the whole picture once, at full size, and keeps the bitmap for every later
// Draw. A JPEG that libjpeg rejects raises Exception.
class TJPEGImage {
public:
    TJPEGImage(const void* data, std::size_t size);
    ~TJPEGImage();
    TJPEGImage(const TJPEGImage&) = delete;
    TJPEGImage& operator=(const TJPEGImage&) = delete;

    int Width() const noexcept { return width_; }
    int Height() const noexcept { return height_; }

    // Shrinks (or enlarges) the whole picture into the rectangle of the device
    // context, covering it completely, by dropping or repeating rows and
    // columns. On a device of 8 bits a pixel or fewer the picture is decoded
    // to at most 236 colours.
    void Draw(void* deviceContext, int left, int top, int width, int height);

    // The decoded bitmap; all empty before the first Draw.
    TJPEGPixels Pixels() const;

private:
    class TBitmap;

    void Decode(bool toPalette);

    const void* data_;
    std::size_t size_;
    int width_ = 0;
    int height_ = 0;
    std::unique_ptr<TBitmap> bitmap_;
};
