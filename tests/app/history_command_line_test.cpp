// --history on the command line: with or without a log, and what it can't be combined with.
#include <gtest/gtest.h>

#include "app/command_line.h"

namespace {

TEST(HistoryCommandLine, OpensALogOrTheOneTheSettingsName) {
    StartRequest request;
    EXPECT_FALSE(ParseCommandLine({"--history", "/srv/log.csv"}, request));
    EXPECT_EQ(request.window, StartRequest::Window::History);
    EXPECT_EQ(request.historyLog, "/srv/log.csv");
    EXPECT_FALSE(ParseCommandLine({"--history=old.csv"}, request));
    EXPECT_EQ(request.historyLog, "old.csv");
    EXPECT_FALSE(ParseCommandLine({"--history"}, request));
    EXPECT_EQ(request.window, StartRequest::Window::History);
    EXPECT_EQ(request.historyLog, "");

    for (const std::vector<std::string>& wrong :
         {std::vector<std::string>{"--history", "a.csv", "/srv/client"},
          std::vector<std::string>{"--history", "--clients"}}) {
        const auto answer = ParseCommandLine(wrong, request);
        ASSERT_TRUE(answer);
        EXPECT_EQ(answer->status, 2);
        EXPECT_NE(answer->text.find("--history opens a log"), std::string::npos);
    }
    EXPECT_NE(UsageText().find("--history [FILE]"), std::string::npos);
}

}  // namespace
