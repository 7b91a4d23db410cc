// The cover picture: decoded as the library's own decoder does it, once, and
// shrunk into the image control's rectangle by dropping rows and columns.
#include "canvas.h"
#include "exceptions.h"
#include "jpeg_image.h"
#include "test_files.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <ostream>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

namespace {


constexpr int kControlWidth = 137;
constexpr int kControlHeight = 193;

std::string CoverBytes() {
    const auto bytes = test::ReadFile(test::HostPath(COVER_JPEG));
    if (!bytes) throw std::runtime_error("cannot read the cover");
    return *bytes;
}

Rgb ColourOf(const TJPEGPixels& pixels, int x, int y) {
    const std::uint8_t* row = pixels.bits + static_cast<std::size_t>(y) * pixels.stride;
    if (pixels.bitsPerPixel == 24) {
        const std::uint8_t* p = row + 3 * x;
        return Rgb{p[2]} << 16 | Rgb{p[1]} << 8 | p[0];
    }
    const std::uint8_t* p = &pixels.palette[3 * std::size_t{row[x]}];
    return Rgb{p[0]} << 16 | Rgb{p[1]} << 8 | p[2];
}

std::vector<Rgb> GreyTable() {
    std::vector<Rgb> table;
    for (Rgb level = 0; level < 256; ++level) table.push_back(level * 0x010101);
    return table;
}

std::vector<Rgb> TableOf(const TJPEGPixels& pixels) {
    std::vector<Rgb> table;
    for (std::size_t i = 0; i + 2 < pixels.palette.size(); i += 3)
        table.push_back(Rgb{pixels.palette[i]} << 16 | Rgb{pixels.palette[i + 1]} << 8 | pixels.palette[i + 2]);
    return table;
}

// A colour the picture does not contain, to see what a Draw left untouched.
Rgb AbsentColour(const TJPEGPixels& pixels) {
    std::vector<bool> present(1 << 24);
    for (int y = 0; y < pixels.height; ++y)
        for (int x = 0; x < pixels.width; ++x) present[ColourOf(pixels, x, y)] = true;
    return static_cast<Rgb>(std::find(present.begin(), present.end(), false) - present.begin());
}

// The decode of libjpeg-turbo's own djpeg, run now in this prefix, as RGB.
struct Reference {
    int width = 0, height = 0;
    std::string rgb;
};

Reference Djpeg(const std::wstring& options) {
    wchar_t folder[MAX_PATH];
    GetTempPathW(MAX_PATH, folder);
    const std::wstring output = std::wstring(folder) + L"cover_reference.ppm";
    std::wstring command = L"\"" + test::HostPath(DJPEG_EXE) + L"\" " + options + L" -outfile \"" + output + L"\" \"" +
                           test::HostPath(COVER_JPEG) + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process))
        throw std::runtime_error("cannot start djpeg");
    WaitForSingleObject(process.hProcess, INFINITE);
    DWORD code = 1;
    GetExitCodeProcess(process.hProcess, &code);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    const auto ppm = test::ReadFile(output);
    test::Remove(output);
    if (code != 0 || !ppm) throw std::runtime_error("djpeg failed");

    // Binary PPM: "P6", width, height, maximum 255, one white-space byte, pixels.
    std::istringstream header(*ppm);
    std::string magic;
    int maximum = 0;
    Reference reference;
    header >> magic >> reference.width >> reference.height >> maximum;
    const std::size_t start = static_cast<std::size_t>(header.tellg()) + 1;
    if (magic != "P6" || maximum != 255) throw std::runtime_error("unexpected djpeg output");
    reference.rgb = ppm->substr(start);
    return reference;
}

// The first Draw decodes for the screen the picture goes to: on one of 8
// bits a pixel or fewer, into a palette bitmap. Memory DCs report the
// screen's depth, so the palette cases need a screen of 8 bits a pixel
// (on_palette_screen.sh); their drawings go to canvases of the same depth.
struct Screen {
    const char* name;
    int bitsPerPixel;
    const wchar_t* djpegOptions;
};

void PrintTo(const Screen& screen, std::ostream* out) { *out << screen.name; }

const Screen kScreens[] = {{"TrueColour", 32, L"-dct float"}, {"Palette", 8, L"-dct float -colors 236"}};

class CoverOn : public ::testing::TestWithParam<Screen> {
protected:
    void SetUp() override {
        HDC screen = GetDC(nullptr);
        const int bits = GetDeviceCaps(screen, BITSPIXEL) * GetDeviceCaps(screen, PLANES);
        ReleaseDC(nullptr, screen);
        ASSERT_EQ(bits <= 8, GetParam().bitsPerPixel <= 8) << "the screen has " << bits << " bits a pixel";
    }

    // Decoded by a first Draw on a device of the parameter's depth.
    void DrawOnce() {
        Canvas first(kControlWidth, kControlHeight, GetParam().bitsPerPixel,
                     GetParam().bitsPerPixel == 8 ? GreyTable() : std::vector<Rgb>{});
        image_.Draw(first.Dc(), 0, 0, kControlWidth, kControlHeight);
    }
    // A canvas of the parameter's depth that shows the decoded colours exactly.
    std::vector<Rgb> TableFor(Rgb extra) const {
        if (GetParam().bitsPerPixel != 8) return {};
        std::vector<Rgb> table = TableOf(image_.Pixels());
        table.push_back(extra);
        return table;
    }

    std::string bytes_ = CoverBytes();
    TJPEGImage image_{bytes_.data(), bytes_.size()};
};

TEST_P(CoverOn, DecodesAtFullSizeExactlyAsDjpegWithTheFloatingPointTransform) {
    EXPECT_EQ(image_.Width(), 1760);
    EXPECT_EQ(image_.Height(), 2490);
    EXPECT_EQ(image_.Pixels().bits, nullptr);
    DrawOnce();
    const TJPEGPixels pixels = image_.Pixels();
    ASSERT_NE(pixels.bits, nullptr);
    if (GetParam().bitsPerPixel == 8) {
        EXPECT_EQ(pixels.bitsPerPixel, 8);
        EXPECT_LE(pixels.palette.size(), 236u * 3);
    } else {
        EXPECT_EQ(pixels.bitsPerPixel, 24);
        EXPECT_EQ(pixels.stride, 5280u);
    }

    const Reference reference = Djpeg(GetParam().djpegOptions);
    ASSERT_EQ(pixels.width, reference.width);
    ASSERT_EQ(pixels.height, reference.height);
    ASSERT_EQ(reference.rgb.size(), std::size_t{1760} * 2490 * 3);
    int differing = 0;
    for (int y = 0; y < pixels.height; ++y)
        for (int x = 0; x < pixels.width; ++x) {
            const auto* p = reinterpret_cast<const std::uint8_t*>(&reference.rgb[(std::size_t{1760} * y + x) * 3]);
            if (ColourOf(pixels, x, y) != (Rgb{p[0]} << 16 | Rgb{p[1]} << 8 | p[2])) ++differing;
        }
    EXPECT_EQ(differing, 0);
}

TEST_P(CoverOn, IsDecodedOnlyByTheFirstDraw) {
    DrawOnce();
    const TJPEGPixels decoded = image_.Pixels();
    const std::vector<std::uint8_t> copy(decoded.bits, decoded.bits + decoded.stride * decoded.height);

    // The object keeps pointing at these bytes: a second decode would now
    // fail ("not a JPEG file") or give other pixels.
    std::fill(bytes_.begin(), bytes_.end(), '\0');
    Canvas canvas(kControlWidth, kControlHeight, GetParam().bitsPerPixel, TableFor(0));
    ASSERT_NO_THROW(image_.Draw(canvas.Dc(), 0, 0, kControlWidth, kControlHeight));
    ASSERT_NO_THROW(image_.Draw(canvas.Dc(), 0, 0, kControlWidth, kControlHeight));

    const TJPEGPixels after = image_.Pixels();
    EXPECT_EQ(after.bits, decoded.bits);
    EXPECT_TRUE(std::equal(copy.begin(), copy.end(), after.bits));
}

// The source rows (or columns) that fall to one destination pixel when `n`
// are shrunk from `total`, widened by one on each side: GDI does not say
// where in a cell it samples, and its stepping may round either way.
struct Span {
    int first, last;
};
Span CellOf(int index, int n, int total) {
    const long long first = static_cast<long long>(index) * total / n;
    const long long last = (static_cast<long long>(index + 1) * total - 1) / n;
    return {static_cast<int>(std::max(0LL, first - 1)), static_cast<int>(std::min<long long>(total - 1, last + 1))};
}

TEST_P(CoverOn, DrawingDropsRowsAndColumnsAndCoversTheWholeRectangle) {
    DrawOnce();
    const TJPEGPixels pixels = image_.Pixels();
    const Rgb untouched = AbsentColour(pixels);
    constexpr int kLeft = 20, kTop = 30, kWidth = 200, kHeight = 250;
    Canvas canvas(kWidth, kHeight, GetParam().bitsPerPixel, TableFor(untouched));
    canvas.Fill(untouched);
    image_.Draw(canvas.Dc(), kLeft, kTop, kControlWidth, kControlHeight);

    const std::vector<Rgb> shown = canvas.Colours();
    auto drawn = [&](int x, int y) { return shown[static_cast<std::size_t>(kTop + y) * kWidth + kLeft + x]; };
    auto columnsOf = [&](int x) { return CellOf(x, kControlWidth, pixels.width); };
    auto rowsOf = [&](int y) { return CellOf(y, kControlHeight, pixels.height); };
    auto copiedFrom = [&](int x, int y, Span columns, Span rows) {
        for (int row = rows.first; row <= rows.last; ++row)
            for (int column = columns.first; column <= columns.last; ++column)
                if (ColourOf(pixels, column, row) == drawn(x, y)) return true;
        return false;
    };
    // Dropping, not blending: one source column of its cell serves a whole
    // destination column, one source row a whole destination row. With the
    // untouched colour absent from the picture, the rectangle is covered.
    for (int x = 0; x < kControlWidth; ++x) {
        bool found = false;
        for (int column = columnsOf(x).first; column <= columnsOf(x).last && !found; ++column) {
            found = true;
            for (int y = 0; y < kControlHeight && found; ++y) found = copiedFrom(x, y, {column, column}, rowsOf(y));
        }
        EXPECT_TRUE(found) << "destination column " << x;
    }
    for (int y = 0; y < kControlHeight; ++y) {
        bool found = false;
        for (int row = rowsOf(y).first; row <= rowsOf(y).last && !found; ++row) {
            found = true;
            for (int x = 0; x < kControlWidth && found; ++x) found = copiedFrom(x, y, columnsOf(x), {row, row});
        }
        EXPECT_TRUE(found) << "destination row " << y;
    }

    int outside = 0;
    for (int y = 0; y < kHeight; ++y)
        for (int x = 0; x < kWidth; ++x) {
            const bool inside = x >= kLeft && x < kLeft + kControlWidth && y >= kTop && y < kTop + kControlHeight;
            if (!inside && shown[static_cast<std::size_t>(y) * kWidth + x] != untouched) ++outside;
        }
    EXPECT_EQ(outside, 0);
}

INSTANTIATE_TEST_SUITE_P(Screens, CoverOn, ::testing::ValuesIn(kScreens),
                         [](const auto& info) { return std::string(info.param.name); });

// Damaged pictures that libjpeg refuses while reading the header.
struct Damage {
    const char* name;
    std::string (*make)(std::string cover);
};

// The bytes of the header segment at `at`, its marker included.
std::size_t SegmentSize(const std::string& jpeg, std::size_t at) {
    return 2 + (static_cast<std::size_t>(static_cast<unsigned char>(jpeg[at + 2])) << 8 |
                static_cast<unsigned char>(jpeg[at + 3]));
}

// Where the segment with that marker starts, walking the header's segments
// (an embedded thumbnail or profile may hold the same two bytes).
std::size_t Segment(const std::string& jpeg, unsigned char marker) {
    for (std::size_t at = 2; at + 4 <= jpeg.size(); at += SegmentSize(jpeg, at))
        if (static_cast<unsigned char>(jpeg[at + 1]) == marker) return at;
    throw std::runtime_error("no such segment in the cover");
}
std::size_t FrameHeader(const std::string& cover) { return Segment(cover, 0xC0); }

const Damage kDamages[] = {
    {"Empty", [](std::string) { return std::string(); }},
    {"NotAJpeg", [](std::string) { return std::string("GIF89a, not a JPEG at all"); }},
    {"OnlyTheStartMarker", [](std::string cover) { return cover.substr(0, 2); }},
    {"CutInsideTheHeader", [](std::string cover) { return cover.substr(0, FrameHeader(cover) + 6); }},
    {"ZeroHeight", [](std::string cover) { return cover.replace(FrameHeader(cover) + 5, 2, 2, '\0'); }},
    {"TwelveBitSamples", [](std::string cover) { return cover.replace(FrameHeader(cover) + 4, 1, 1, '\x0C'); }},
    {"NoScan", [](std::string cover) { return cover.substr(0, FrameHeader(cover)) + "\xFF\xD9"; }},
};

void PrintTo(const Damage& damage, std::ostream* out) { *out << damage.name; }

class DamagedHeader : public ::testing::TestWithParam<Damage> {};

TEST_P(DamagedHeader, RaisesException) {
    const std::string bytes = GetParam().make(CoverBytes());
    EXPECT_THROW(TJPEGImage(bytes.data(), bytes.size()), Exception);
}

INSTANTIATE_TEST_SUITE_P(Pictures, DamagedHeader, ::testing::ValuesIn(kDamages),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(CoverHeader, IsAllThatConstructionReads) {
    // Everything after the scan header is gone: only a decode would notice.
    std::string bytes = CoverBytes();
    const std::size_t scan = Segment(bytes, 0xDA);
    bytes.resize(scan + SegmentSize(bytes, scan));
    const TJPEGImage image(bytes.data(), bytes.size());
    EXPECT_EQ(image.Width(), 1760);
    EXPECT_EQ(image.Height(), 2490);
    EXPECT_EQ(image.Pixels().bits, nullptr);
}

}  // namespace
