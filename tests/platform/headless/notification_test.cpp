// The headless desktop notifications: recorded in order, clicked one by one, and a missing
// notification service said once per run on stderr, in the application's words.
#include <gtest/gtest.h>

#include <string>

#include "platform/headless/headless.h"
#include "platform/ui/cwinapp.h"
#include "platform/ui/notification.h"

namespace {

// A text with printf conversions in it must come out as it is.
constexpr char kUnavailable[] = "通知は 100% 使えません %s";

class HeadlessNotifications : public testing::Test {
protected:
    void SetUp() override {
        Headless::Reset();
        m_app.m_frameworkTexts.notificationsUnavailable = kUnavailable;
    }
    void TearDown() override { Headless::Reset(); }

    CWinApp m_app{"Vantrel"};
};

TEST_F(HeadlessNotifications, AreRecordedInOrderAndEachClickRunsItsOwn) {
    int stalledClicks = 0;
    int summaryClicks = 0;
    EXPECT_TRUE(ShowDesktopNotification({"停止しました", "/srv/seti-a", [&] { ++stalledClicks; }}));
    EXPECT_TRUE(ShowDesktopNotification({"終了しました", "/srv/seti-b", nullptr}));
    // A click that shows a notification of its own.
    EXPECT_TRUE(ShowDesktopNotification({"3 台", "", [&] {
                                             ++summaryClicks;
                                             ShowDesktopNotification({"再開", "/srv/seti-a", {}});
                                         }}));

    ASSERT_EQ(Headless::Notifications().size(), 3U);
    EXPECT_EQ(Headless::Notifications()[1].summary, "終了しました");
    EXPECT_EQ(Headless::Notifications()[1].body, "/srv/seti-b");
    EXPECT_FALSE(Headless::Notifications()[1].clickable);
    EXPECT_TRUE(Headless::Notifications()[2].clickable);
    EXPECT_EQ(Headless::Notifications()[2].body, "");

    EXPECT_TRUE(Headless::ClickNotification(2));
    EXPECT_EQ(summaryClicks, 1);
    EXPECT_EQ(stalledClicks, 0);
    ASSERT_EQ(Headless::Notifications().size(), 4U);
    EXPECT_EQ(Headless::Notifications()[3].summary, "再開");
    EXPECT_FALSE(Headless::ClickNotification(3));
    EXPECT_FALSE(Headless::ClickNotification(1));  // shown without a click
    EXPECT_FALSE(Headless::ClickNotification(4));  // never shown
    EXPECT_TRUE(Headless::ClickNotification(0));
    EXPECT_EQ(stalledClicks, 1);
    EXPECT_EQ(summaryClicks, 1);
    EXPECT_TRUE(Headless::MessageBoxes().empty());
}

TEST_F(HeadlessNotifications, WithoutAServiceNothingIsShownAndThatIsSaidOncePerRun) {
    Headless::SetNotificationServiceAvailable(false);
    testing::internal::CaptureStderr();
    EXPECT_FALSE(ShowDesktopNotification({"停止しました", "/srv/seti-a", [] {}}));
    EXPECT_FALSE(ShowDesktopNotification({"停止しました", "/srv/seti-b", {}}));
    Headless::SetNotificationServiceAvailable(true);
    EXPECT_TRUE(ShowDesktopNotification({"再開", "/srv/seti-a", {}}));
    Headless::SetNotificationServiceAvailable(false);
    EXPECT_FALSE(ShowDesktopNotification({"停止しました", "/srv/seti-a", {}}));
    EXPECT_EQ(testing::internal::GetCapturedStderr(),
              std::string("Vantrel: ") + kUnavailable + "\n");
    ASSERT_EQ(Headless::Notifications().size(), 1U);
    EXPECT_EQ(Headless::Notifications()[0].summary, "再開");
    EXPECT_FALSE(Headless::ClickNotification(1));
    EXPECT_TRUE(Headless::MessageBoxes().empty());

    // A new run has the service again, and says so again once it is gone.
    Headless::Reset();
    EXPECT_TRUE(ShowDesktopNotification({"再開", "/srv/seti-b", {}}));
    Headless::SetNotificationServiceAvailable(false);
    testing::internal::CaptureStderr();
    EXPECT_FALSE(ShowDesktopNotification({"停止しました", "/srv/seti-b", {}}));
    EXPECT_EQ(testing::internal::GetCapturedStderr(),
              std::string("Vantrel: ") + kUnavailable + "\n");
    EXPECT_EQ(Headless::Notifications().size(), 1U);
}

}  // namespace
