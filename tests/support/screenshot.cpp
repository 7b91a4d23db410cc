#include "screenshot.h"

#include "test_files.h"

#include <cstdlib>
#include <cstring>

namespace test {

COLORREF Screenshot::At(int x, int y) const {
    const std::uint8_t* pixel = rows.data() + static_cast<std::size_t>(y) * stride + static_cast<std::size_t>(x) * 3;
    return RGB(pixel[2], pixel[1], pixel[0]);
}

std::optional<Screenshot> CaptureScreen(const RECT& rect, const std::string& name) {
    const char* directory = std::getenv("TERVALEN_SHOT_DIR");
    if (!directory) return std::nullopt;
    const std::wstring base = HostPath(std::string(directory) + "/" + name);
    DeleteFileW((base + L".bmp").c_str());
    WriteFile(base + L".request", std::to_string(rect.left) + " " + std::to_string(rect.top) + " " +
                                      std::to_string(rect.right - rect.left) + " " +
                                      std::to_string(rect.bottom - rect.top) + "\n");
    std::optional<std::string> bmp;
    for (int waited = 0; waited < 15000 && !(bmp = ReadFile(base + L".bmp")); waited += 100) Sleep(100);
    if (!bmp || bmp->size() < 54) return std::nullopt;

    // A 24-bit BMP: rows bottom to top, each padded to four bytes.
    auto field = [&](std::size_t offset) {
        std::int32_t value;
        std::memcpy(&value, bmp->data() + offset, sizeof value);
        return value;
    };
    Screenshot shot;
    shot.width = field(18);
    shot.height = field(22);
    if (field(28) >> 16 != 0 || (field(28) & 0xFFFF) != 24 || shot.height <= 0) return std::nullopt;
    shot.stride = (static_cast<std::size_t>(shot.width) * 3 + 3) & ~std::size_t{3};
    const std::size_t offset = static_cast<std::size_t>(field(10));
    if (bmp->size() < offset + shot.stride * static_cast<std::size_t>(shot.height)) return std::nullopt;
    shot.rows.resize(shot.stride * static_cast<std::size_t>(shot.height));
    for (int row = 0; row < shot.height; ++row) {
        std::memcpy(shot.rows.data() + static_cast<std::size_t>(row) * shot.stride,
                    bmp->data() + offset + static_cast<std::size_t>(shot.height - 1 - row) * shot.stride, shot.stride);
    }
    return shot;
}

}  // namespace test
