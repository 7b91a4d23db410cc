#include "application_title.h"

#include <gtest/gtest.h>

namespace {

struct Case {
    const char* moduleFileName;
    const char* title;
};

class ApplicationTitleRule : public ::testing::TestWithParam<Case> {};

TEST_P(ApplicationTitleRule, DropsFolderCutsAtFirstDotAndLowersAllButTheFirst) {
    EXPECT_EQ(ApplicationTitle(GetParam().moduleFileName), GetParam().title);
}

INSTANTIATE_TEST_SUITE_P(
    Names, ApplicationTitleRule,
    ::testing::Values(Case{"C:\\Program Files\\Tervalen\\Tervalen.exe", "Tervalen"},
                      Case{"C:\\TERVALEN\\TERVALEN.EXE", "Tervalen"},
                      Case{"c:\\tervalen.exe", "tervalen"},
                      Case{"D:\\apps\\my.app.exe", "my"},
                      Case{"D:\\apps\\MY.APP.EXE", "My"},
                      Case{"C:\\Книга\\ТЕРВАЛЕН.EXE", "Тервален"},
                      Case{"C:\\ЁЛКА.exe", "Ёлка"},
                      Case{"C:\\NoExtension", "Noextension"},
                      Case{"relative.exe", "relative"}));

}  // namespace
