// The program's title, taken from the executable's name.
#include "framework/ProgramTitle.h"

#include <gtest/gtest.h>

#include <string>
#include <thread>
#include <vector>

namespace {

TEST(ProgramTitleTest, IsTheExecutableNameWithoutExtension)
{
    EXPECT_EQ(std::string(ProgramTitle()), "app_tests");
}

TEST(ProgramTitleTest, IsTheSameTextForEveryThread)
{
    std::vector<const char*> seen(8);
    std::vector<std::thread> threads;
    for (size_t i = 0; i < seen.size(); ++i)
        threads.emplace_back([&seen, i] { seen[i] = ProgramTitle(); });
    for (std::thread& thread : threads)
        thread.join();
    for (const char* title : seen)
        EXPECT_EQ(title, ProgramTitle());
}

}  // namespace
