// The cover's first paint (header read, full decode, one stretch into the
// image control's 137 x 193 rectangle) against libjpeg-turbo's own djpeg
// decoding the same file with the same inverse DCT, measured in this run.
//
// djpeg is a separate process, and under Wine a process start costs about
// as much as the decode and varies more. Each round therefore times djpeg on
// the cover and, right after, on a 16 x 16 JPEG; the baseline is the median
// over the rounds of the difference, which leaves the decode of the cover
// (and the conversion of its colours) and cancels the start-up together
// with any load that lasts across the pair. djpeg writes to NUL, so no file
// output is counted; the paint draws into a memory DC, so no screen either.
// The paint alone fills a fresh full-size bitmap of 13 MB that it keeps,
// where djpeg passes each row on through a small buffer.
#include "canvas.h"
#include "figures.h"
#include "jpeg_image.h"
#include "test_files.h"

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include <jpeglib.h>

namespace {

using bench::Median;
using bench::Milliseconds;
using bench::PrintFigure;

constexpr int kRuns = 15;
constexpr int kWidth = 137;
constexpr int kHeight = 193;

// A 16 x 16 JPEG of the cover's kind (YCbCr, 4:2:0), for djpeg's start-up cost.
std::string TinyJpeg() {
    jpeg_compress_struct info{};
    jpeg_error_mgr errors;
    info.err = jpeg_std_error(&errors);
    jpeg_create_compress(&info);
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&info, &buffer, &size);
    info.image_width = 16;
    info.image_height = 16;
    info.input_components = 3;
    info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_start_compress(&info, TRUE);
    std::vector<unsigned char> row(16 * 3, 128);
    JSAMPROW rows[] = {row.data()};
    while (info.next_scanline < info.image_height) jpeg_write_scanlines(&info, rows, 1);
    jpeg_finish_compress(&info);
    std::string jpeg(reinterpret_cast<const char*>(buffer), size);
    jpeg_destroy_compress(&info);
    free(buffer);
    return jpeg;
}

void RunDjpeg(const std::wstring& input) {
    std::wstring command =
        L"\"" + test::HostPath(DJPEG_EXE) + L"\" -dct float -outfile NUL \"" + input + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process)) {
        std::fprintf(stderr, "cannot start djpeg\n");
        std::exit(1);
    }
    WaitForSingleObject(process.hProcess, INFINITE);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
}

int Run() {
    const std::wstring cover = test::HostPath(COVER_JPEG);
    const auto bytes = test::ReadFile(cover);
    if (!bytes) {
        std::fprintf(stderr, "cannot read the cover\n");
        return 1;
    }
    wchar_t folder[MAX_PATH];
    GetTempPathW(MAX_PATH, folder);
    const std::wstring tiny = std::wstring(folder) + L"cover_bench_tiny.jpg";
    test::WriteFile(tiny, TinyJpeg());

    std::vector<double> firstPaint, repeatPaint, djpegDecode;
    for (int run = -1; run < kRuns; ++run) {
        Canvas canvas(kWidth, kHeight, 32);
        double first = 0, repeat = 0;
        {
            std::unique_ptr<TJPEGImage> image;
            first = Milliseconds([&] {
                image = std::make_unique<TJPEGImage>(bytes->data(), bytes->size());
                image->Draw(canvas.Dc(), 0, 0, kWidth, kHeight);
                GdiFlush();
            });
            repeat = Milliseconds([&] {
                image->Draw(canvas.Dc(), 0, 0, kWidth, kHeight);
                GdiFlush();
            });
        }
        const double coverTime = Milliseconds([&] { RunDjpeg(cover); });
        const double tinyTime = Milliseconds([&] { RunDjpeg(tiny); });
        // The first round only warms caches and the loader.
        if (run < 0) continue;
        firstPaint.push_back(first);
        repeatPaint.push_back(repeat);
        djpegDecode.push_back(coverTime - tinyTime);
    }
    test::Remove(tiny);

    const double baseline = Median(djpegDecode);
    PrintFigure("cover_first_paint", Median(firstPaint), "ms", "djpeg -dct float", baseline);
    PrintFigure("cover_repeat_paint", Median(repeatPaint), "ms", "djpeg -dct float", baseline);
    return 0;
}

}  // namespace

int main() { return bench::Main("cover_bench", Run); }
