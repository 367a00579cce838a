// The history window's texts without a window: its figures and its status line.
#include "pages/history_texts.h"

#include <gtest/gtest.h>

#include <cmath>

TEST(HistoryTexts, FiguresInHoursAndTheStatusLineSaysWhatTheReadFound) {
    // 36000 s in all over 4 units, 2.5 h each on the mean, 7020 s the median.
    const PageText figures = BuildHistoryFigures({4, 36000.0, 9000.0, 7020.0, 0.75, 0.076923});
    EXPECT_EQ(figures.labels,
              "ユニット数：\nCPU Time 合計：\nCPU Time 平均：\nCPU Time 中央値：\n"
              "週あたり (直近4週)：\n週あたり (直近52週)：");
    EXPECT_EQ(figures.values, "4\n10.00 hr\n2.50 hr\n1.95 hr\n0.75\n0.08");
    EXPECT_EQ(BuildHistoryFigures({0, 0.0, NAN, NAN, 0.0, 0.0}).values,
              "0\n0.00 hr\n--\n--\n0.00\n0.00");

    EXPECT_EQ(BuildHistoryStatus({3, 6, 0, {}, false}),
              "3 ユニット (9 行)、同じユニットの 6 行をまとめました");
    // More unreadable lines than are named: the list ends in "...".
    EXPECT_EQ(BuildHistoryStatus({2, 1, 3, {4, 9}, true}),
              "2 ユニット (6 行)、同じユニットの 1 行をまとめました、3 行を読み込めませんでした "
              "(4, 9, ... 行目)、最後の行は書き込み中です");
}
