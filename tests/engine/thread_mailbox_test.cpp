#include "platform/message_pump.h"
#include "platform/thread_mailbox.h"

#include <gtest/gtest.h>

#include <atomic>
#include <thread>

TEST(ThreadMailbox, PostsFailUntilTheThreadFirstLooks) {
    std::atomic<platform::ThreadId> id{0};
    std::atomic<bool> opened{false}, posted{false};
    int quits = 0;
    std::thread worker([&] {
        id = platform::CurrentThreadId();
        while (!posted) std::this_thread::yield();
        EXPECT_FALSE(platform::PeekQuitMessage()); // opens an empty mailbox
        opened = true;
        while (quits < 2)
            if (platform::PeekQuitMessage()) ++quits;
    });
    while (!id) std::this_thread::yield();
    EXPECT_FALSE(platform::PostQuitMessage(id));
    posted = true;
    while (!opened) std::this_thread::yield();
    EXPECT_TRUE(platform::PostQuitMessage(id));
    EXPECT_TRUE(platform::PostQuitMessage(id));
    worker.join();
    EXPECT_EQ(quits, 2);
    EXPECT_FALSE(platform::PostQuitMessage(id)); // the thread has ended
    EXPECT_NE(platform::CurrentThreadId(), id.load());
}

TEST(MessagePump, DoesNothingUntilAHostInstallsOne) {
    EXPECT_FALSE(platform::PumpMessages());
    int calls = 0;
    auto previous = platform::SetMessagePump([&] { return ++calls > 1; });
    EXPECT_FALSE(platform::PumpMessages());
    EXPECT_TRUE(platform::PumpMessages());
    EXPECT_EQ(calls, 2);
    platform::SetMessagePump(previous);
    EXPECT_FALSE(platform::PumpMessages());
}
