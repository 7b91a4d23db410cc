// The documents as the built program carries them: read back from the
// executable itself and compared with the committed files.
#include "document_catalogue.h"
#include "test_files.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

class BuiltProgram : public ::testing::Test {
protected:
    void SetUp() override {
        module_ = LoadLibraryExW(test::HostPath(TERVALEN_EXE).c_str(), nullptr,
                                 LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
        ASSERT_TRUE(module_);
    }
    void TearDown() override {
        if (module_) FreeLibrary(module_);
    }

    std::optional<std::string> Resource(const std::wstring& name, const wchar_t* type = L"FILE") const {
        HRSRC found = FindResourceW(module_, name.c_str(), type);
        if (!found) return std::nullopt;
        HGLOBAL data = LoadResource(module_, found);
        return std::string(static_cast<const char*>(LockResource(data)), SizeofResource(module_, found));
    }

    HMODULE module_ = nullptr;
};

std::string AssetFile(const std::string& relative) {
    return test::ReadFile(test::HostPath(std::string(TERVALEN_ASSETS_DIR) + "/" + relative)).value_or("missing");
}

BOOL CALLBACK AddName(HMODULE, LPCWSTR, LPWSTR name, LONG_PTR names) {
    auto* list = reinterpret_cast<std::vector<std::wstring>*>(names);
    list->push_back(IS_INTRESOURCE(name) ? L"#" + std::to_wstring(reinterpret_cast<ULONG_PTR>(name)) : name);
    return TRUE;
}

TEST_F(BuiltProgram, CarriesExactlyTheSevenDocumentsByName) {
    std::vector<std::wstring> names;
    EnumResourceNamesW(module_, L"FILE", AddName, reinterpret_cast<LONG_PTR>(&names));
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::wstring>{L"DOC1", L"DOC10", L"DOC2", L"DOC3", L"DOC4", L"DOC8", L"DOC9"}));
    for (const wchar_t* absent : {L"DOC5", L"DOC6", L"DOC7"}) EXPECT_FALSE(Resource(absent)) << test::Narrow(absent);
}

TEST_F(BuiltProgram, EachDocumentIsItsCommittedFileByteForByte) {
    for (const TDocumentEntry& entry : DocumentCatalogue) {
        const std::string name(entry.ResourceName);
        SCOPED_TRACE(name);
        std::string file = name;
        std::transform(file.begin(), file.end(), file.begin(), [](char c) { return static_cast<char>(std::tolower(c)); });
        file += std::string(entry.FileName.substr(entry.FileName.rfind('.')));
        const auto embedded = Resource(test::Widen(name));
        ASSERT_TRUE(embedded);
        const std::string committed = AssetFile("documents/" + file);
        EXPECT_EQ(embedded->size(), committed.size());
        EXPECT_TRUE(*embedded == committed);
        const bool workbook = file.ends_with(".xls");
        EXPECT_EQ(embedded->substr(0, 4), workbook ? std::string("\xD0\xCF\x11\xE0") : std::string("PK\x03\x04"));
    }
}

TEST_F(BuiltProgram, CarriesTheCoverAndTheIcon) {
    EXPECT_EQ(Resource(L"COVER", L"JPEG"), AssetFile("cover/cover.jpg"));
    EXPECT_TRUE(FindResourceW(module_, L"MAINICON", MAKEINTRESOURCEW(14)));  // RT_GROUP_ICON
}

}  // namespace
