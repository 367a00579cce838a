#include <gtest/gtest.h>

#include "app/main_window_fixture.h"
#include "platform/headless/headless.h"
#include "res/resource.h"
#include "res/strings.h"

TEST_F(MainWindowTest, TheRememberedTabOpensAgain) {
    CopyClientFiles("sah");
    m_app->WriteProfileInt("TAB", "OFSET", 4);
    RunMainWindow([&](CInfoDlg& dlg) {
        EXPECT_EQ(dlg.m_tab.GetCurSel(), 4);
        EXPECT_EQ(dlg.m_strLabels, Text::kUserLabels);
    });
    m_app->WriteProfileInt("TAB", "OFSET", 9);
    RunMainWindow([&](CInfoDlg& dlg) {
        EXPECT_EQ(dlg.m_tab.GetCurSel(), 0);
        EXPECT_EQ(dlg.m_strLabels, Text::kWorkUnitLabels);
    });
}

TEST_F(MainWindowTest, ATabChangeRebuildsFromTheLastLoadAndIsStoredAtOnce) {
    CopyClientFiles("sah");
    RunMainWindow([&](CInfoDlg& dlg) {
        ASSERT_EQ(dlg.m_tab.GetItemCount(), 5);
        EXPECT_EQ(dlg.m_tab.GetItemText(0), "Work Unit");
        EXPECT_EQ(dlg.m_tab.GetItemText(4), "ユーザ情報 (Hoshino Taro)");
        // No file is read on a tab change.
        m_client.Remove("work_unit.sah");
        m_client.Remove("state.sah");
        m_client.Remove("user_info.sah");
        ASSERT_TRUE(Headless::SelectTab(dlg, IDC_TAB, 3));
        EXPECT_EQ(m_app->GetProfileInt("TAB", "OFSET", -1), 3);
        EXPECT_EQ(dlg.m_strLabels, Text::kProgressLabels);
        EXPECT_EQ(dlg.m_strValues.Left(9), "45.123 %\n");
        EXPECT_EQ(dlg.m_strMessage, "");

        // The analysis tab shows the graph under a half-height values column.
        ASSERT_TRUE(Headless::SelectTab(dlg, IDC_TAB, 2));
        EXPECT_TRUE(dlg.m_wndGraph.IsWindowVisible());
        CRect values;
        dlg.GetDlgItem(IDC_VALUES)->GetWindowRect(&values);
        EXPECT_EQ(values.Height(), dlg.m_sizeValues.cy / 2);
        ASSERT_TRUE(Headless::SelectTab(dlg, IDC_TAB, 1));
        EXPECT_FALSE(dlg.m_wndGraph.IsWindowVisible());
        dlg.GetDlgItem(IDC_VALUES)->GetWindowRect(&values);
        EXPECT_EQ(values.Height(), dlg.m_sizeValues.cy);
    });
}

TEST_F(MainWindowTest, WithoutClientFilesTheWindowSaysSo) {
    RunMainWindow([&](CInfoDlg& dlg) {
        EXPECT_EQ(dlg.GetWindowText(), "Vantrel");
        EXPECT_EQ(dlg.m_strMessage, Text::kWorkUnitNotObtained);
        EXPECT_EQ(dlg.m_strLabels, "");
        EXPECT_EQ(dlg.m_strValues, "");
        EXPECT_EQ(dlg.m_strLastUpdate, "最終更新時刻： 2001/09/09 10:46:40");
        EXPECT_EQ(dlg.m_tab.GetItemText(4), Text::kTabUser);
        EXPECT_FALSE(dlg.m_btnSimple.IsWindowEnabled());
        EXPECT_FALSE(Headless::TimerPeriod(dlg, 1));
    });
}
