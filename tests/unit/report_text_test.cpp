#include "report_text.h"

#include <gtest/gtest.h>

namespace {

struct Case {
    const char* message;
    const char* shown;
};

class ReportTextRule : public ::testing::TestWithParam<Case> {};

TEST_P(ReportTextRule, AddsAFullStopOnlyAfterCharactersAboveTheFullStop) {
    EXPECT_EQ(ReportText(GetParam().message), GetParam().shown);
}

INSTANTIATE_TEST_SUITE_P(
    Messages, ReportTextRule,
    ::testing::Values(Case{"Stream write error", "Stream write error."},
                      Case{"Cannot create file c:\\Tervalen\\Глоссарийl.xls", "Cannot create file c:\\Tervalen\\Глоссарийl.xls."},
                      Case{"Cannot create file c:\\Tervalen\\Отраслевое соглашение.docx",
                           "Cannot create file c:\\Tervalen\\Отраслевое соглашение.docx."},
                      Case{"Already a sentence.", "Already a sentence."},
                      Case{"List index out of bounds (7)", "List index out of bounds (7)"},
                      Case{"Is it?", "Is it?."},
                      Case{"Ends in a digit 7", "Ends in a digit 7."},
                      Case{"Ends in a colon:", "Ends in a colon:."},
                      Case{"Ошибка записи", "Ошибка записи."},
                      Case{"Ends in a comma,", "Ends in a comma,"},
                      Case{"Ends in a hyphen-", "Ends in a hyphen-"},
                      Case{"Ends in a quote\"", "Ends in a quote\""},
                      Case{"Ends in a space ", "Ends in a space "},
                      Case{"Ends in a line break\n", "Ends in a line break\n"},
                      Case{"Wow!", "Wow!"},
                      Case{"", ""}));

}  // namespace
