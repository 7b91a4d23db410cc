// The main window, worked from outside with real keyboard and mouse input.
#include "document_catalogue.h"
#include "input.h"
#include "program.h"
#include "screenshot.h"
#include "shell_probe_log.h"
#include "test_files.h"

#include <gtest/gtest.h>
#include <commctrl.h>

#include <cstdlib>
#include <string>
#include <vector>

namespace {

const std::wstring kFolder = L"c:\\Tervalen";

std::wstring Wide(std::string_view text) { return test::Widen(std::string(text)); }

std::wstring ExportPathOf(const TDocumentEntry& entry) { return kFolder + L"\\" + Wide(entry.FileName); }

// The committed document that a row's resource was built from.
std::string AssetOf(const TDocumentEntry& entry) {
    std::string name(entry.ResourceName);
    for (char& c : name) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    const std::string_view file = entry.FileName;
    name += file.substr(file.rfind('.'));
    return test::ReadFile(test::HostPath(std::string(TERVALEN_DOCUMENTS_DIR) + "/" + name)).value_or("missing");
}

class MainWindow : public ::testing::Test {
protected:
    void SetUp() override {
        test::Remove(kFolder);
        test::ClearShellRequests();
        program_ = std::make_unique<test::Program>(test::HostPath(TERVALEN_EXE));
        window_ = program_->WaitForWindow(L"TForm1");
        ASSERT_TRUE(window_);
        ASSERT_TRUE(test::BringToFront(window_));
        ASSERT_TRUE(test::WaitUntil([&] { return test::FocusIn(window_) != nullptr; }));
    }
    void TearDown() override {
        if (program_ && window_ && IsWindow(window_)) {
            PostMessageW(window_, WM_CLOSE, 0, 0);
            EXPECT_EQ(program_->WaitForExit(), 0u);
        }
        program_.reset();
        test::Remove(kFolder);
    }

    HWND Find(const wchar_t* className, const std::wstring& text = L"") const {
        for (HWND child : test::DescendantsOf(window_)) {
            if (test::ClassOf(child) == className && (text.empty() || test::TextOf(child) == text)) return child;
        }
        return nullptr;
    }
    HWND ButtonOf(const TDocumentEntry& entry) const { return Find(L"Button", Wide(entry.Caption)); }
    HWND Tabs() const { return Find(L"SysTabControl32"); }
    HWND Focus() const { return test::FocusIn(window_); }
    void FocusButton(const TDocumentEntry& entry) {
        // Tab from the page control: position n in the catalogue is n+1 presses away.
        for (std::size_t i = 0; i < DocumentCatalogue.size() + 1 && Focus() != ButtonOf(entry); ++i) {
            test::PressKey(VK_TAB);
        }
        ASSERT_EQ(Focus(), ButtonOf(entry));
    }

    std::unique_ptr<test::Program> program_;
    HWND window_ = nullptr;
};

TEST_F(MainWindow, HasItsDesignedPlaceSizeAndFixedFrame) {
    EXPECT_EQ(test::TextOf(window_), L"Tervalen");
    RECT outer;
    GetWindowRect(window_, &outer);
    EXPECT_EQ(outer.left, 504);
    EXPECT_EQ(outer.top, 127);
    RECT client;
    GetClientRect(window_, &client);
    EXPECT_EQ(client.right, 700);
    EXPECT_EQ(client.bottom, 261);

    const LONG style = GetWindowLongW(window_, GWL_STYLE);
    EXPECT_TRUE(style & WS_SYSMENU);
    EXPECT_TRUE(style & WS_MINIMIZEBOX);
    EXPECT_FALSE(style & WS_MAXIMIZEBOX);
    EXPECT_FALSE(style & WS_THICKFRAME);

    // What a reader sees after start-up, kept with the results.
    Sleep(500);
    EXPECT_TRUE(test::CaptureScreen(outer, "main-window"));

    // Neither the frame nor a double click on the title bar changes the size.
    EXPECT_EQ(SendMessageW(window_, WM_NCHITTEST, 0, MAKELPARAM(outer.right - 1, (outer.top + outer.bottom) / 2)),
              HTBORDER);
    test::DoubleClickAt({outer.left + 60, outer.top + 10});
    EXPECT_FALSE(IsZoomed(window_));
    RECT after;
    GetWindowRect(window_, &after);
    EXPECT_TRUE(EqualRect(&outer, &after));
}

TEST_F(MainWindow, ControlsSitWhereDefinedWithTheCataloguesCaptions) {
    HWND tabs = Tabs();
    ASSERT_TRUE(tabs);
    EXPECT_EQ(GetParent(tabs), window_);
    const RECT tabsPlace = test::PlaceOf(tabs);
    EXPECT_EQ(tabsPlace.left, 8);
    EXPECT_EQ(tabsPlace.top, 8);
    EXPECT_EQ(tabsPlace.right - tabsPlace.left, 681);
    EXPECT_EQ(tabsPlace.bottom - tabsPlace.top, 241);
    EXPECT_EQ(SendMessageW(tabs, TCM_GETITEMCOUNT, 0, 0), 1);

    HWND page = Find(L"TTabSheet");
    ASSERT_TRUE(page);
    EXPECT_EQ(test::TextOf(page), L"Документы");
    EXPECT_EQ(GetParent(page), tabs);
    RECT pageClient;
    GetClientRect(page, &pageClient);
    EXPECT_GE(pageClient.right, 665);
    EXPECT_GE(pageClient.bottom, 201);

    HWND image = Find(L"TImage");
    ASSERT_TRUE(image);
    EXPECT_EQ(GetParent(image), page);
    const RECT imagePlace = test::PlaceOf(image);
    EXPECT_EQ(imagePlace.left, 528);
    EXPECT_EQ(imagePlace.top, 8);
    EXPECT_EQ(imagePlace.right, 665);
    EXPECT_EQ(imagePlace.bottom, 201);

    struct Place {
        const char* control;
        int left, top, width;
    };
    for (const Place place : {Place{"Button1", 8, 16, 273}, Place{"Button5", 8, 56, 273}, Place{"Button6", 8, 96, 273},
                              Place{"Button71", 8, 136, 273}, Place{"Button38", 8, 176, 273},
                              Place{"Button2", 304, 16, 201}, Place{"Button3", 304, 56, 201}}) {
        SCOPED_TRACE(place.control);
        HWND button = ButtonOf(CatalogueRow(place.control));
        ASSERT_TRUE(button) << "no button captioned as the catalogue says";
        EXPECT_EQ(GetParent(button), page);
        const RECT rect = test::PlaceOf(button);
        EXPECT_EQ(rect.left, place.left);
        EXPECT_EQ(rect.top, place.top);
        EXPECT_EQ(rect.right - rect.left, place.width);
        EXPECT_EQ(rect.bottom - rect.top, 25);
        EXPECT_TRUE(GetWindowLongW(button, GWL_STYLE) & WS_TABSTOP);
        EXPECT_FALSE(GetWindowLongW(button, GWL_STYLE) & BS_DEFPUSHBUTTON);
    }
}

TEST_F(MainWindow, TabAndShiftTabRunThroughTheTabOrderAndWrap) {
    EXPECT_EQ(Focus(), Tabs()) << "the focus starts on the page's tab";
    std::vector<HWND> order{Tabs()};
    for (const TDocumentEntry& entry : DocumentCatalogue) order.push_back(ButtonOf(entry));
    for (std::size_t step = 1; step <= order.size(); ++step) {
        test::PressKey(VK_TAB);
        EXPECT_EQ(Focus(), order[step % order.size()]) << "after " << step << " Tab presses";
    }
    test::PressKey(VK_TAB, true);
    EXPECT_EQ(Focus(), ButtonOf(CatalogueRow("Button3")));
}

TEST_F(MainWindow, ArrowKeysCycleAmongTheButtons) {
    struct Step {
        const char* from;
        WORD key;
        const char* to;
    };
    for (const Step step : {Step{"Button38", VK_DOWN, "Button2"}, Step{"Button3", VK_DOWN, "Button1"},
                            Step{"Button1", VK_UP, "Button3"}, Step{"Button6", VK_RIGHT, "Button71"},
                            Step{"Button6", VK_LEFT, "Button5"}}) {
        SCOPED_TRACE(std::string(step.from) + " -> " + step.to);
        FocusButton(CatalogueRow(step.from));
        test::PressKey(step.key);
        EXPECT_EQ(Focus(), ButtonOf(CatalogueRow(step.to)));
    }
}

TEST_F(MainWindow, EnterAndEscapeOnTheTabDoNothing) {
    ASSERT_EQ(Focus(), Tabs());
    test::PressKey(VK_RETURN);
    test::PressKey(VK_ESCAPE);
    EXPECT_TRUE(test::List(kFolder).empty());
    EXPECT_TRUE(test::ShellRequests(0, 1000).empty());
    EXPECT_FALSE(program_->FindWindowOf(L"#32770"));
    EXPECT_EQ(Focus(), Tabs());
}

TEST_F(MainWindow, EnterAndSpaceOnAButtonExportAndOpenItsDocumentEveryTime) {
    const TDocumentEntry& costs = CatalogueRow("Button6");
    FocusButton(costs);
    test::PressKey(VK_RETURN);
    ASSERT_EQ(test::ShellRequests(1, 10000).size(), 1u);
    EXPECT_EQ(test::ReadFile(ExportPathOf(costs)), AssetOf(costs));

    test::WriteFile(ExportPathOf(costs), "changed by the reader");
    test::PressKey(VK_RETURN);
    EXPECT_EQ(test::ShellRequests(2, 10000).size(), 2u);
    EXPECT_EQ(test::ReadFile(ExportPathOf(costs)), AssetOf(costs));

    const TDocumentEntry& glossary = CatalogueRow("Button5");
    test::PressKey(VK_UP);
    ASSERT_EQ(Focus(), ButtonOf(glossary));
    test::PressKey(VK_SPACE);
    EXPECT_EQ(test::ShellRequests(3, 10000).size(), 3u);
    EXPECT_EQ(test::ReadFile(ExportPathOf(glossary)), AssetOf(glossary));
    EXPECT_EQ(Focus(), ButtonOf(glossary));
}

class EveryButton : public MainWindow, public ::testing::WithParamInterface<TDocumentEntry> {};

TEST_P(EveryButton, ByMouseWritesItsDocumentAndHandsItToTheShell) {
    const TDocumentEntry& entry = GetParam();
    HWND button = ButtonOf(entry);
    ASSERT_TRUE(button);
    test::ClickCentreOf(button);

    const auto requests = test::ShellRequests(1, 10000);
    ASSERT_EQ(requests.size(), 1u);
    EXPECT_EQ(requests[0].showCommand, SW_RESTORE);
    EXPECT_NE(requests[0].commandLine.find(ExportPathOf(entry)), std::wstring::npos)
        << test::Narrow(requests[0].commandLine);
    const std::string expected = AssetOf(entry);
    const auto written = test::ReadFile(ExportPathOf(entry));
    ASSERT_TRUE(written);
    EXPECT_EQ(written->size(), expected.size());
    EXPECT_TRUE(*written == expected);
    EXPECT_EQ(test::List(kFolder), std::vector<std::wstring>{Wide(entry.FileName)});
    EXPECT_EQ(Focus(), button) << "the focus stays on the clicked button";
}

INSTANTIATE_TEST_SUITE_P(Catalogue, EveryButton, ::testing::ValuesIn(DocumentCatalogue),
                         [](const auto& info) { return std::string(info.param.ControlName); });

TEST_F(MainWindow, AnErrorIsReportedAndTheWindowGoesOnWorking) {
    const TDocumentEntry& rent = CatalogueRow("Button38");
    const std::wstring path = ExportPathOf(rent);
    test::WriteFile(path, "the reader's protected copy");
    ASSERT_TRUE(SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_READONLY));

    HWND button = ButtonOf(rent);
    test::ClickCentreOf(button);
    HWND box = program_->WaitForWindow(L"#32770");
    ASSERT_TRUE(box);
    EXPECT_EQ(test::TextOf(box), L"Tervalen");
    EXPECT_EQ(test::MessageBoxText(box), L"Cannot create file c:\\Tervalen\\Таблица по Аренде.xls.");
    EXPECT_FALSE(IsWindowEnabled(window_)) << "the window takes no input while the box is up";
    EXPECT_EQ(test::ReadFile(path), "the reader's protected copy");
    EXPECT_TRUE(test::ShellRequests(0, 500).empty());

    test::PressOk(box);
    ASSERT_TRUE(test::WaitUntil([&] { return !IsWindow(box); }));
    EXPECT_TRUE(test::WaitUntil([&] { return IsWindowEnabled(window_) && Focus() == button; }))
        << "the focus returns to the button";

    SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
    test::ClickCentreOf(button);
    EXPECT_EQ(test::ShellRequests(1, 10000).size(), 1u);
    EXPECT_EQ(test::ReadFile(path), AssetOf(rent));
}

TEST_F(MainWindow, MinimisingAndRestoringKeepsTheFocus) {
    const TDocumentEntry& structure = CatalogueRow("Button71");
    FocusButton(structure);
    SendMessageW(window_, WM_SYSCOMMAND, SC_MINIMIZE, 0);
    ASSERT_TRUE(test::WaitUntil([&] { return IsIconic(window_) != FALSE; }));
    SendMessageW(window_, WM_SYSCOMMAND, SC_RESTORE, 0);
    ASSERT_TRUE(test::WaitUntil([&] { return !IsIconic(window_); }));
    test::BringToFront(window_);
    EXPECT_TRUE(test::WaitUntil([&] { return Focus() == ButtonOf(structure); }));
    RECT outer;
    GetWindowRect(window_, &outer);
    EXPECT_EQ(outer.left, 504);
    EXPECT_EQ(outer.top, 127);
}

TEST_F(MainWindow, ClosingWhileADocumentIsOpenElsewhereEndsOnlyThisProgram) {
    const TDocumentEntry& agreement = CatalogueRow("Button2");
    test::ClickCentreOf(ButtonOf(agreement));
    ASSERT_EQ(test::ShellRequests(1, 10000).size(), 1u);

    // The document's application holds it open, as an office suite does.
    HANDLE holding = CreateEventW(nullptr, TRUE, FALSE, L"TervalenTestHolding");
    HANDLE release = CreateEventW(nullptr, TRUE, FALSE, L"TervalenTestRelease");
    test::Program office(test::BesideThisExecutable(L"file_holder.exe"), {}, ExportPathOf(agreement));
    ASSERT_EQ(WaitForSingleObject(holding, 20000), WAIT_OBJECT_0);

    PostMessageW(window_, WM_CLOSE, 0, 0);
    EXPECT_EQ(program_->WaitForExit(), 0u);
    EXPECT_EQ(office.WaitForExit(200), static_cast<DWORD>(STILL_ACTIVE)) << "the document stays open there";
    SetEvent(release);
    EXPECT_EQ(office.WaitForExit(), 0u);
    EXPECT_EQ(test::ReadFile(ExportPathOf(agreement)), AssetOf(agreement));
    CloseHandle(release);
    CloseHandle(holding);
    window_ = nullptr;
}

// Clicks every button in one run of the program and leaves what it wrote for
// the office check that runs after it (see tests/CMakeLists.txt).
class OfficeHandOff : public MainWindow {
protected:
    void TearDown() override {
        PostMessageW(window_, WM_CLOSE, 0, 0);
        EXPECT_EQ(program_->WaitForExit(), 0u);
    }
};

TEST_F(OfficeHandOff, EveryButtonLeavesItsDocumentInTheFolder) {
    std::size_t clicked = 0;
    for (const TDocumentEntry& entry : DocumentCatalogue) {
        test::ClickCentreOf(ButtonOf(entry));
        ASSERT_EQ(test::ShellRequests(++clicked, 10000).size(), clicked);
        EXPECT_EQ(test::ReadFile(ExportPathOf(entry)), AssetOf(entry));
    }
    EXPECT_EQ(test::List(kFolder).size(), DocumentCatalogue.size());
}

}  // namespace
