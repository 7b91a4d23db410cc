#include "document_catalogue.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace {

TEST(DocumentCatalogue, HoldsTheSevenRowsInButtonOrder) {
    std::vector<std::string> buttons;
    std::vector<std::string> resources;
    for (const TDocumentEntry& entry : DocumentCatalogue) {
        buttons.emplace_back(entry.ControlName);
        resources.emplace_back(entry.ResourceName);
    }
    EXPECT_EQ(buttons, (std::vector<std::string>{"Button1", "Button5", "Button6", "Button71", "Button38", "Button2",
                                                 "Button3"}));
    EXPECT_EQ(resources, (std::vector<std::string>{"DOC1", "DOC2", "DOC3", "DOC4", "DOC8", "DOC9", "DOC10"}));
}

TEST(DocumentCatalogue, FileNamesAreTheCaptionsWithTheExtensionOfTheirFormat) {
    std::set<std::string_view> fileNames;
    std::set<std::string_view> resourceNames;
    for (const TDocumentEntry& entry : DocumentCatalogue) {
        SCOPED_TRACE(std::string(entry.ControlName));
        const std::string_view extension = entry.FileName.substr(entry.Caption.size());
        EXPECT_TRUE(entry.FileName.starts_with(entry.Caption));
        // The agreement and its section are word-processing documents, the rest workbooks.
        const bool text = entry.ResourceName == "DOC9" || entry.ResourceName == "DOC10";
        EXPECT_EQ(extension, text ? ".docx" : ".xls");
        EXPECT_EQ(entry.FileName.find_first_of("\\/:*?\"<>|"), std::string_view::npos);
        fileNames.insert(entry.FileName);
        resourceNames.insert(entry.ResourceName);
    }
    EXPECT_EQ(fileNames.size(), 7u);
    EXPECT_EQ(resourceNames.size(), 7u);
}

// The texts are the code page 1251 bytes printed in the book.
TEST(DocumentCatalogue, TextsAreTheBookCodePage1251Bytes) {
    const std::string_view glossary = CatalogueRow("Button5").FileName;
    EXPECT_EQ(glossary.size(), 14u);
    EXPECT_EQ(static_cast<unsigned char>(glossary[0]), 0xC3);  // Г
    EXPECT_EQ(glossary[9], 'l');                               // a Latin l ends the stem
    const std::string_view structure = CatalogueRow("Button71").FileName;
    EXPECT_EQ(structure.size(), 45u);
    for (const TDocumentEntry& entry : DocumentCatalogue) EXPECT_LE(entry.FileName.size(), structure.size());
    // "Раздел V": a Latin capital V after six Cyrillic letters and a space.
    EXPECT_EQ(CatalogueRow("Button3").Caption.substr(6, 3), std::string_view("\x20\x56\x20"));
    // "стр-ве": Cyrillic letters around a hyphen-minus.
    EXPECT_TRUE(CatalogueRow("Button1").Caption.ends_with(std::string_view("\xF1\xF2\xF0\x2D\xE2\xE5")));
}

}  // namespace
