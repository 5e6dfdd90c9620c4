// The rule that locates a task's file.
#include "download/TaskPath.h"

#include <gtest/gtest.h>

namespace {

struct PathCase {
    const char* folder;
    const char* expected;  // the path of "Clip.flv"
};

const PathCase kPathCases[] = {
    {"C:\\Videos", "C:\\Videos\\Clip.flv"},
    {"C:\\Videos\\", "C:\\Videos\\Clip.flv"},
    // The default folder made from a drive root.
    {"C:\\\\VDOWNLOAD\\", "C:\\VDOWNLOAD\\Clip.flv"},
    // Pairs collapse one by one, left to right.
    {"C:\\a\\\\\\b", "C:\\a\\\\b\\Clip.flv"},
    {"C:\\a\\\\\\\\b", "C:\\a\\\\b\\Clip.flv"},
    // A network folder keeps the backslashes that open it.
    {"\\\\server\\share", "\\\\server\\share\\Clip.flv"},
    {"\\\\server\\share\\", "\\\\server\\share\\Clip.flv"},
    // Three in a row are a pair and one.
    {"C:\\Videos\\\\", "C:\\Videos\\\\Clip.flv"},
    {"", "\\Clip.flv"},
};

TEST(TaskPathTest, OneBackslashBetweenFolderAndName)
{
    for (const PathCase& test : kPathCases)
        EXPECT_EQ(MakeTaskFilePath(test.folder, "Clip.flv"), test.expected) << test.folder;
}

TEST(TaskPathTest, TheNameIsLeftAsItIs)
{
    EXPECT_EQ(MakeTaskFilePath("C:\\v\\", "a\\\\b.flv"), "C:\\v\\a\\\\b.flv");
}

}  // namespace
