// The real program, started and closed from outside.
#include "program.h"
#include "test_files.h"

#include <gtest/gtest.h>

namespace {

const std::wstring kFolder = L"c:\\Tervalen";

class Startup : public ::testing::Test {
protected:
    void SetUp() override { test::Remove(kFolder); }
    void TearDown() override { test::Remove(kFolder); }
    const std::wstring program_ = test::HostPath(TERVALEN_EXE);
};

TEST_F(Startup, CreatesTheFolderShowsTheWindowAndEndsWithZeroWhenClosed) {
    test::Program tervalen(program_);
    HWND window = tervalen.WaitForWindow(L"TForm1");
    ASSERT_TRUE(window);
    EXPECT_EQ(test::TextOf(window), L"Tervalen");
    EXPECT_TRUE(test::IsFolder(kFolder));
    EXPECT_FALSE(tervalen.FindWindowOf(L"#32770"));

    test::WriteFile(kFolder + L"\\written earlier.xls", "kept");
    PostMessageW(window, WM_CLOSE, 0, 0);
    EXPECT_EQ(tervalen.WaitForExit(), 0u);
    EXPECT_EQ(test::ReadFile(kFolder + L"\\written earlier.xls"), "kept");
}

TEST_F(Startup, ClosingThroughTheSystemMenuEndsWithZero) {
    test::Program tervalen(program_);
    HWND window = tervalen.WaitForWindow(L"TForm1");
    ASSERT_TRUE(window);
    PostMessageW(window, WM_SYSCOMMAND, SC_CLOSE, 0);
    EXPECT_EQ(tervalen.WaitForExit(), 0u);
}

TEST_F(Startup, TwoCopiesBothShowTheirWindows) {
    test::Program first(program_);
    ASSERT_TRUE(first.WaitForWindow(L"TForm1"));
    test::Program second(program_);
    HWND secondWindow = second.WaitForWindow(L"TForm1");
    ASSERT_TRUE(secondWindow);
    EXPECT_TRUE(first.FindWindowOf(L"TForm1"));

    PostMessageW(secondWindow, WM_CLOSE, 0, 0);
    EXPECT_EQ(second.WaitForExit(), 0u);
    PostMessageW(first.FindWindowOf(L"TForm1"), WM_CLOSE, 0, 0);
    EXPECT_EQ(first.WaitForExit(), 0u);
}

TEST_F(Startup, WhenTheFolderCannotBeMadeTheWindowStillShowsAndNothingIsSaid) {
    test::WriteFile(kFolder, "a file in the folder's place");
    test::Program tervalen(program_);
    HWND window = tervalen.WaitForWindow(L"TForm1");
    ASSERT_TRUE(window);
    Sleep(500);
    EXPECT_FALSE(tervalen.FindWindowOf(L"#32770"));
    EXPECT_EQ(test::ReadFile(kFolder), "a file in the folder's place");
    PostMessageW(window, WM_CLOSE, 0, 0);
    EXPECT_EQ(tervalen.WaitForExit(), 0u);
}

// A build whose main window fails while it is constructed (TERVALEN_FAILING_EXE,
// named "TERVALEN.TEST.EXE": the title rule makes it "Tervalen").
struct FailedStartCase {
    const char* name;
    const wchar_t* failure;
    const wchar_t* shown;
};

class FailedStart : public ::testing::TestWithParam<FailedStartCase> {};

TEST_P(FailedStart, ShowsTheReportWithoutAWindowAndEndsWithZero) {
    test::Program failing(test::HostPath(TERVALEN_FAILING_EXE),
                          {std::wstring(L"TERVALEN_TEST_FAILURE=") + GetParam().failure});
    HWND box = failing.WaitForWindow(L"#32770");
    ASSERT_TRUE(box);
    EXPECT_EQ(test::TextOf(box), L"Tervalen");
    EXPECT_EQ(test::MessageBoxText(box), GetParam().shown);
    EXPECT_TRUE(GetDlgItem(box, IDOK));
    EXPECT_FALSE(GetDlgItem(box, IDCANCEL));
    EXPECT_FALSE(failing.FindWindowOf(L"TForm1"));

    test::PressOk(box);
    EXPECT_EQ(failing.WaitForExit(), 0u);
}

INSTANTIATE_TEST_SUITE_P(
    Errors, FailedStart,
    ::testing::Values(FailedStartCase{"Exception", L"exception", L"The main window could not be built: Нет ресурса."},
                      FailedStartCase{"OtherErrorObject", L"other", L""}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
