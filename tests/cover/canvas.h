#pragma once

// Test-side drawing surface for the cover's tests and benchmark.
#include <windows.h>

#include <cstdint>
#include <vector>

using Rgb = std::uint32_t;  // 0xRRGGBB

// A memory DC over a top-down DIB section whose pixels the test reads back:
// 32 bits a pixel, or 8 bits over a colour table.
class Canvas {
public:
    Canvas(int width, int height, int bitsPerPixel, const std::vector<Rgb>& table = {});
    ~Canvas();
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;

    HDC Dc() const { return dc_; }

    void Fill(Rgb colour);
    // Everything drawn so far, row by row.
    std::vector<Rgb> Colours() const;

private:
    std::uint8_t* Row(int y) const { return static_cast<std::uint8_t*>(bits_) + static_cast<std::size_t>(y) * stride_; }

    int width_, height_, bitsPerPixel_;
    std::vector<Rgb> table_;
    HBITMAP bitmap_ = nullptr;
    void* bits_ = nullptr;
    HDC dc_ = nullptr;
    HGDIOBJ previous_ = nullptr;
    std::size_t stride_ = 0;
};
