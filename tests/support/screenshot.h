#pragma once

#include <windows.h>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace test {

// What the display showed in a rectangle of the screen.
struct Screenshot {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> rows;  // top to bottom, blue-green-red, `stride` bytes a row
    std::size_t stride = 0;
    COLORREF At(int x, int y) const;
};

// Has the harness capture `rect` of the display (see harness/shot-watcher.sh)
// and keeps it as NAME.png among the results; empty when no capture came.
std::optional<Screenshot> CaptureScreen(const RECT& rect, const std::string& name);

}  // namespace test
