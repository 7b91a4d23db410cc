// The main window on a screen of 120 pixels per inch (run in a prefix set to
// that density): the layout grows by the text height of the scaled window
// font over its designed 13 pixels, the position stays, the cover fills the
// enlarged picture.
#include "document_catalogue.h"
#include "input.h"
#include "program.h"
#include "screenshot.h"
#include "test_files.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

int ScreenDensity() {
    HDC screen = GetDC(nullptr);
    const int density = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    return density;
}

// The height of "0" in the window font scaled to the screen, measured here
// as the program measures it.
int ScaledTextHeight() {
    HFONT font = CreateFontW(MulDiv(-11, ScreenDensity(), 96), 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE,
                             RUSSIAN_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                             DEFAULT_PITCH | FF_DONTCARE, L"MS Sans Serif");
    HDC screen = GetDC(nullptr);
    HGDIOBJ previous = SelectObject(screen, font);
    SIZE size{};
    GetTextExtentPoint32W(screen, L"0", 1, &size);
    SelectObject(screen, previous);
    ReleaseDC(nullptr, screen);
    DeleteObject(font);
    return size.cy;
}

TEST(HighDensity, TheWindowItsControlsAndThePictureGrow) {
    ASSERT_EQ(ScreenDensity(), 120) << "this test runs in a prefix set to 120 pixels per inch";
    const int textHeight = ScaledTextHeight();
    ASSERT_GT(textHeight, 13) << "the scaled font is taller";
    auto scaled = [&](int length) { return (length * textHeight * 2 + 13) / 26; };

    test::Remove(L"c:\\Tervalen");
    test::Program tervalen(test::HostPath(TERVALEN_EXE));
    HWND window = tervalen.WaitForWindow(L"TForm1");
    ASSERT_TRUE(window);
    test::BringToFront(window);
    Sleep(500);
    RECT outer;
    GetWindowRect(window, &outer);
    EXPECT_EQ(outer.left, 504) << "the position is not scaled";
    EXPECT_EQ(outer.top, 127);
    RECT client;
    GetClientRect(window, &client);
    EXPECT_EQ(client.right, scaled(700));
    EXPECT_EQ(client.bottom, scaled(261));

    HWND image = nullptr;
    for (HWND child : test::DescendantsOf(window)) {
        const std::wstring className = test::ClassOf(child);
        if (className == L"TImage") image = child;
        if (className == L"Button" &&
            test::TextOf(child) == test::Widen(std::string(CatalogueRow("Button71").Caption))) {
            const RECT rect = test::PlaceOf(child);
            EXPECT_EQ(rect.left, scaled(8));
            EXPECT_EQ(rect.top, scaled(136));
            EXPECT_EQ(rect.right - rect.left, scaled(273));
            EXPECT_EQ(rect.bottom - rect.top, scaled(25));
        }
    }
    ASSERT_TRUE(image);
    RECT picture;
    GetWindowRect(image, &picture);
    EXPECT_EQ(picture.right - picture.left, scaled(137));
    EXPECT_EQ(picture.bottom - picture.top, scaled(193));

    // The cover reaches every corner of the enlarged control and stops at its
    // edges: inside, no pixel of the page's background; just outside, only that.
    const RECT around{picture.left - 1, picture.top - 1, picture.right + 1, picture.bottom + 1};
    const auto shot = test::CaptureScreen(around, "main-window-120dpi-picture");
    ASSERT_TRUE(shot);
    const COLORREF background = shot->At(0, 0);
    const int right = shot->width - 2;
    const int bottom = shot->height - 2;
    for (const POINT inside : {POINT{1, 1}, POINT{right, 1}, POINT{1, bottom}, POINT{right, bottom},
                               POINT{right / 2, bottom / 2}}) {
        EXPECT_NE(shot->At(inside.x, inside.y), background) << inside.x << "," << inside.y;
    }
    EXPECT_EQ(shot->At(shot->width - 1, shot->height - 1), background);
    EXPECT_EQ(shot->At(0, shot->height - 1), background);
    RECT frame;
    GetWindowRect(window, &frame);
    EXPECT_TRUE(test::CaptureScreen(frame, "main-window-120dpi"));

    PostMessageW(window, WM_CLOSE, 0, 0);
    EXPECT_EQ(tervalen.WaitForExit(), 0u);
    test::Remove(L"c:\\Tervalen");
}

}  // namespace
