#include "canvas.h"

#include <algorithm>

Canvas::Canvas(int width, int height, int bitsPerPixel, const std::vector<Rgb>& table)
    : width_(width), height_(height), bitsPerPixel_(bitsPerPixel), table_(table) {
    struct {
        BITMAPINFOHEADER header;
        RGBQUAD colours[256];
    } format{};
    format.header = {sizeof format.header, width, -height, 1, static_cast<WORD>(bitsPerPixel), BI_RGB, 0, 0, 0,
                     static_cast<DWORD>(bitsPerPixel == 8 ? table.size() : 0), 0};
    for (std::size_t i = 0; i < table.size(); ++i)
        format.colours[i] = {static_cast<BYTE>(table[i]), static_cast<BYTE>(table[i] >> 8),
                             static_cast<BYTE>(table[i] >> 16), 0};
    bitmap_ = CreateDIBSection(nullptr, reinterpret_cast<BITMAPINFO*>(&format), DIB_RGB_COLORS, &bits_, nullptr, 0);
    dc_ = CreateCompatibleDC(nullptr);
    previous_ = SelectObject(dc_, bitmap_);
    stride_ = (static_cast<std::size_t>(width) * bitsPerPixel + 31) / 32 * 4;
}

Canvas::~Canvas() {
    SelectObject(dc_, previous_);
    DeleteDC(dc_);
    DeleteObject(bitmap_);
}

void Canvas::Fill(Rgb colour) {
    GdiFlush();
    const auto index = static_cast<std::uint8_t>(std::find(table_.begin(), table_.end(), colour) - table_.begin());
    for (int y = 0; y < height_; ++y)
        for (int x = 0; x < width_; ++x) {
            if (bitsPerPixel_ == 8)
                Row(y)[x] = index;
            else
                reinterpret_cast<std::uint32_t*>(Row(y))[x] = colour;
        }
}

std::vector<Rgb> Canvas::Colours() const {
    GdiFlush();
    std::vector<Rgb> colours;
    for (int y = 0; y < height_; ++y)
        for (int x = 0; x < width_; ++x)
            colours.push_back(bitsPerPixel_ == 8 ? table_[Row(y)[x]]
                                                 : reinterpret_cast<const std::uint32_t*>(Row(y))[x] & 0xFFFFFF);
    return colours;
}
