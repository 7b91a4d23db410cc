// The export and its failures, against the real file system and shell of the
// test prefix. The test executable embeds its own documents (test_resources.rc).
#include "exceptions.h"
#include "export_folder.h"
#include "open_embedded_document.h"
#include "shell_probe_log.h"
#include "test_files.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <cstdlib>
#include <functional>

namespace {

const TDocumentEntry kLarge{"", "Проба большого документа", "BIGDOC", "Проба большого документа.xls"};
const TDocumentEntry kSmall{"", "Малый документ", "SMALLDOC", "Малый документ.docx"};
const TDocumentEntry kEmpty{"", "Пустой", "EMPTYDOC", "Пустой.xls"};
const TDocumentEntry kUnregistered{"", "Без приложения", "SMALLDOC", "Без приложения.tvnone"};
const TDocumentEntry kMissing{"", "Нет такого", "DOC5", "Нет такого.xls"};

const std::wstring kFolder = L"c:\\Tervalen";

std::wstring PathOf(const TDocumentEntry& entry) { return test::Widen(ExportPath(entry)); }

std::string FixtureBytes(const char* name) {
    auto bytes = test::ReadFile(test::HostPath(std::string(TEST_DATA_DIR) + "/" + name));
    if (!bytes) ADD_FAILURE() << "missing fixture " << name;
    return bytes.value_or("");
}

// Runs `action` and returns the message of the Exception it raised, checking its class.
template <class Error>
std::string MessageOf(const std::function<void()>& action) {
    try {
        action();
    } catch (const Error& error) {
        return error.Message();
    } catch (const std::exception& other) {
        return std::string("wrong exception: ") + other.what();
    }
    return "no exception";
}

// The folder holds exactly these names: nothing half-done, no temporary file.
void ExpectFolderHolds(std::vector<std::wstring> expected) {
    std::vector<std::wstring> names = test::List(kFolder);
    std::sort(names.begin(), names.end());
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(names, expected);
}

class Export : public ::testing::Test {
protected:
    void SetUp() override {
        test::Remove(kFolder);
        test::ClearShellRequests();
    }
    void TearDown() override { test::Remove(kFolder); }
};

TEST(ExportPath, JoinsFolderAndFileNameAsPlainText) {
    const TDocumentEntry rent{"Button38", "Таблица по Аренде", "DOC8", "Таблица по Аренде.xls"};
    EXPECT_EQ(ExportPath(rent), "c:\\Tervalen\\Таблица по Аренде.xls");
}

TEST_F(Export, WritesTheEmbeddedBytesExactlyAndAsksTheShellToOpenThem) {
    OpenEmbeddedDocument(kLarge, WindowRef{});

    const std::string expected = FixtureBytes("big.bin");
    ASSERT_GT(expected.size(), 1'400'000u);
    const auto written = test::ReadFile(PathOf(kLarge));
    ASSERT_TRUE(written);
    EXPECT_EQ(written->size(), expected.size());
    EXPECT_TRUE(*written == expected);
    ExpectFolderHolds({test::Widen(std::string(kLarge.FileName))});

    const auto requests = test::ShellRequests(1, 10000);
    ASSERT_EQ(requests.size(), 1u);
    EXPECT_EQ(requests[0].showCommand, SW_RESTORE);
    EXPECT_NE(requests[0].commandLine.find(PathOf(kLarge)), std::wstring::npos) << test::Narrow(requests[0].commandLine);
}

TEST_F(Export, ZeroByteDocumentGivesAnEmptyFileThatIsOpened) {
    OpenEmbeddedDocument(kEmpty, WindowRef{});
    EXPECT_EQ(test::ReadFile(PathOf(kEmpty)), std::string());
    EXPECT_EQ(test::ShellRequests(1, 10000).size(), 1u);
}

TEST_F(Export, ReplacesAnEditedCopyWithoutAsking) {
    OpenEmbeddedDocument(kSmall, WindowRef{});
    test::WriteFile(PathOf(kSmall), "the reader's own edits");
    OpenEmbeddedDocument(kSmall, WindowRef{});
    EXPECT_EQ(test::ReadFile(PathOf(kSmall)), FixtureBytes("small.bin"));
    EXPECT_EQ(test::ShellRequests(2, 10000).size(), 2u);
}

TEST_F(Export, RecreatesTheFolderWhenItWasDeletedMeanwhile) {
    EnsureExportFolder();
    ASSERT_TRUE(test::IsFolder(kFolder));
    test::Remove(kFolder);
    OpenEmbeddedDocument(kSmall, WindowRef{});
    EXPECT_EQ(test::ReadFile(PathOf(kSmall)), FixtureBytes("small.bin"));
    EXPECT_EQ(test::ShellRequests(1, 10000).size(), 1u);
}

TEST_F(Export, EnsureExportFolderIsSilentWhenTheFolderExists) {
    EnsureExportFolder();
    test::WriteFile(kFolder + L"\\keep.txt", "kept");
    EnsureExportFolder();
    EXPECT_EQ(test::ReadFile(kFolder + L"\\keep.txt"), "kept");
}

TEST_F(Export, WithoutARegisteredApplicationTheFileIsWrittenAndNothingIsSaid) {
    EXPECT_NO_THROW(OpenEmbeddedDocument(kUnregistered, WindowRef{}));
    EXPECT_EQ(test::ReadFile(PathOf(kUnregistered)), FixtureBytes("small.bin"));
}

TEST_F(Export, MissingResourceTouchesNoFileButLeavesTheFolder) {
    EXPECT_EQ(MessageOf<EResNotFound>([] { OpenEmbeddedDocument(kMissing, WindowRef{}); }),
              "Resource DOC5 not found");
    EXPECT_TRUE(test::IsFolder(kFolder));
    ExpectFolderHolds({});
    EXPECT_TRUE(test::ShellRequests().empty());
}

TEST_F(Export, ResourcesOutsideTheTypeAreNotFound) {
    for (const char* name : {"DOC5", "DOC6", "DOC7"}) {
        const TDocumentEntry entry{"", "x", name, "x.xls"};
        EXPECT_EQ(MessageOf<EResNotFound>([&] { OpenEmbeddedDocument(entry, WindowRef{}); }),
                  std::string("Resource ") + name + " not found");
    }
}

// Each way the file cannot be created: "Cannot create file" with the whole
// export path, whatever was there stays as it was, the shell is not asked.
struct CreateFailure {
    const char* name;
    std::function<void()> arrange;
    std::function<void()> check;
};

class ExportCannotCreate : public Export, public ::testing::WithParamInterface<CreateFailure> {};

TEST_P(ExportCannotCreate, ReportsTheExportPathAndChangesNothing) {
    GetParam().arrange();
    EXPECT_EQ(MessageOf<EFCreateError>([] { OpenEmbeddedDocument(kSmall, WindowRef{}); }),
              "Cannot create file c:\\Tervalen\\Малый документ.docx");
    GetParam().check();
    EXPECT_TRUE(test::ShellRequests(0, 500).empty());
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ExportCannotCreate,
    ::testing::Values(
        CreateFailure{"PlainFileHasTheFoldersName",
                      [] { test::WriteFile(kFolder, "not a folder"); },
                      [] { EXPECT_EQ(test::ReadFile(kFolder), "not a folder"); }},
        CreateFailure{"FolderHasTheFilesName",
                      [] {
                          EnsureExportFolder();
                          CreateDirectoryW(PathOf(kSmall).c_str(), nullptr);
                      },
                      [] {
                          EXPECT_TRUE(test::IsFolder(PathOf(kSmall)));
                          ExpectFolderHolds({test::Widen(std::string(kSmall.FileName))});
                      }},
        CreateFailure{"ReadOnlyFile",
                      [] {
                          EnsureExportFolder();
                          test::WriteFile(PathOf(kSmall), "protected copy");
                          SetFileAttributesW(PathOf(kSmall).c_str(), FILE_ATTRIBUTE_READONLY);
                      },
                      [] {
                          EXPECT_EQ(test::ReadFile(PathOf(kSmall)), "protected copy");
                          ExpectFolderHolds({test::Widen(std::string(kSmall.FileName))});
                      }}),
    [](const auto& info) { return std::string(info.param.name); });

// Another program (the one an earlier export started) holds the file open.
TEST_F(Export, FileHeldOpenByAnotherProgramIsNeitherRewrittenNorOpened) {
    EnsureExportFolder();
    test::WriteFile(PathOf(kSmall), "open in another program");

    wchar_t self[MAX_PATH];
    GetModuleFileNameW(nullptr, self, MAX_PATH);
    std::wstring holder = self;
    holder = holder.substr(0, holder.find_last_of(L'\\') + 1) + L"file_holder.exe";
    std::wstring command = L"\"" + holder + L"\" \"" + PathOf(kSmall) + L"\"";

    HANDLE holding = CreateEventW(nullptr, TRUE, FALSE, L"TervalenTestHolding");
    HANDLE release = CreateEventW(nullptr, TRUE, FALSE, L"TervalenTestRelease");
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    ASSERT_TRUE(CreateProcessW(holder.c_str(), command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                               &startup, &process));
    ASSERT_EQ(WaitForSingleObject(holding, 20000), WAIT_OBJECT_0);

    EXPECT_EQ(MessageOf<EFCreateError>([] { OpenEmbeddedDocument(kSmall, WindowRef{}); }),
              "Cannot create file c:\\Tervalen\\Малый документ.docx");

    SetEvent(release);
    WaitForSingleObject(process.hProcess, 20000);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    CloseHandle(release);
    CloseHandle(holding);

    EXPECT_EQ(test::ReadFile(PathOf(kSmall)), "open in another program");
    ExpectFolderHolds({test::Widen(std::string(kSmall.FileName))});
    EXPECT_TRUE(test::ShellRequests(0, 500).empty());

    // Once the other program has let go, the same export goes through.
    OpenEmbeddedDocument(kSmall, WindowRef{});
    EXPECT_EQ(test::ReadFile(PathOf(kSmall)), FixtureBytes("small.bin"));
    EXPECT_EQ(test::ShellRequests(1, 10000).size(), 1u);
}

// Run with the file size limited (see tests/CMakeLists.txt): the large write
// cannot complete.
TEST_F(Export, FailedWriteKeepsThePreviousCopyAndLeavesNoTemporaryFile) {
    EnsureExportFolder();
    test::WriteFile(PathOf(kLarge), "previous copy");

    EXPECT_EQ(MessageOf<EWriteError>([] { OpenEmbeddedDocument(kLarge, WindowRef{}); }), "Stream write error");
    EXPECT_EQ(test::ReadFile(PathOf(kLarge)), "previous copy");
    ExpectFolderHolds({test::Widen(std::string(kLarge.FileName))});
    EXPECT_TRUE(test::ShellRequests(0, 500).empty());
}

}  // namespace

namespace {

// Each run states the system code page it means to test under, so that a
// run under the wrong one cannot pass unnoticed.
TEST(Environment, RunsUnderTheExpectedSystemCodePage) {
    const char* expected = std::getenv("TERVALEN_TEST_CODE_PAGE");
    ASSERT_NE(expected, nullptr);
    EXPECT_EQ(GetACP(), static_cast<UINT>(std::atoi(expected)));
}

}  // namespace
