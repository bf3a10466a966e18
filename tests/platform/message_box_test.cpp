#include "platform/message_box.h"

#include <gtest/gtest.h>

#include <vector>

TEST(MessageBox, HandlerCapturesTextAndAnswers) {
    std::vector<std::string> seen;
    auto previous = platform::SetMessageBoxHandler(
        [&](const std::string& text, const std::string& caption, int buttons) {
            seen.push_back(caption + ":" + text);
            return buttons == platform::kYesNo ? platform::kIdYes : platform::kIdOk;
        });
    EXPECT_EQ(platform::ShowMessageBox("Mate!"), platform::kIdOk);
    EXPECT_EQ(platform::ShowMessageBox("Again?", "Connect", platform::kYesNo), platform::kIdYes);
    platform::SetMessageBoxHandler(previous);
    EXPECT_EQ(seen, (std::vector<std::string>{"Tavlion:Mate!", "Connect:Again?"}));
}

TEST(MessageBox, DefaultAnswersNoToQuestions) {
    platform::SetMessageBoxHandler(nullptr);
    EXPECT_EQ(platform::ShowMessageBox("Again?", "Connect", platform::kYesNo), platform::kIdNo);
    EXPECT_EQ(platform::ShowMessageBox("Mate!"), platform::kIdOk);
}
