// The hand-over of UM_TASK_TITLE's text.
#include "download/TaskTitle.h"

#include "download/TaskProtocol.h"
#include "tests/download/TaskMessageLog.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(TaskTitleTest, TextOutlivesTheSendersCopy)
{
    CTaskMessageLog log;
    {
        std::string name = "Clip.flv";
        ASSERT_TRUE(PostTaskTitle(log.Window(), 42, name.c_str()));
        name.assign(name.size(), 'x');
    }
    ASSERT_TRUE(log.WaitFor(UM_TASK_TITLE, 42));
    EXPECT_EQ(Describe(log.ForTask(42)), "TITLE(Clip.flv)");
}

TEST(TaskTitleTest, FailedPostReleasesTheCopy)
{
    HWND gone = CreateWindowExA(0, "STATIC", "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
    DestroyWindow(gone);
    EXPECT_FALSE(PostTaskTitle(gone, 42, "Clip.flv"));
    EXPECT_FALSE(PostTaskTitle(nullptr, 42, "Clip.flv"));
}

TEST(TaskTitleTest, ReceiverCopyIsCutToItsBuffer)
{
    // The log takes the text into a 200-byte buffer, as the page does.
    CTaskMessageLog log;
    ASSERT_TRUE(PostTaskTitle(log.Window(), 42, std::string(300, 'a').c_str()));
    ASSERT_TRUE(log.WaitFor(UM_TASK_TITLE, 42));
    EXPECT_EQ(log.ForTask(42).at(0).title, std::string(199, 'a'));
}

}  // namespace
