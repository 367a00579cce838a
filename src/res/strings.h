// The string table: every text the user reads, in one place. Format strings keep their printf
// conversions, and the compiler checks them where they are used.
#pragma once

#include "platform/base/cstring.h"

// Loads a numbered string (IDS_ABOUTBOX); empty for an unknown id.
CString LoadStringResource(int id);

namespace Text {

// Captions and the About box.
inline constexpr char kAppName[] = "Vantrel";
// The word that names the per-user settings store and data folder, beside the application name.
inline constexpr char kRegistryKey[] = "Halvorn";
inline constexpr char kAboutMenuItem[] = "Vantrel のﾊﾞｰｼﾞｮﾝ情報(&A)...";
inline constexpr char kAboutVersion[] = "Vantrel Version 3.30";
inline constexpr char kAboutAuthors[] = "Copyright (C) 2026 Halvorn. Vantrel の開発チーム";

// The command line's answers, on a terminal.
inline constexpr char kProgramName[] = "vantrel";
inline constexpr char kUsageDescription[] =
    "Shows what the SETI@home client in a folder is doing: in the folder it is started in, in\n"
    "DIR, or, for several folders, one row per client in the clients overview. With --history,\n"
    "shows the work units a CSV log holds: a table, figures and charts.\n";

// Message boxes and the message line.
inline constexpr char kInfoNotObtained[] = "情報を取得できませんでした";
inline constexpr char kExportFailed[] = "エクスポートできませんでした";
inline constexpr char kNothingToExport[] = "出力情報がありません";
inline constexpr char kWorkUnitNotObtained[] = "ワークユニット情報を取得できませんでした";
inline constexpr char kAnalysisNotObtained[] = "解析情報を取得できませんでした";
inline constexpr char kUserNotObtained[] = "ユーザ情報を取得できませんでした";
inline constexpr char kIntervalOutOfRange[] = "1から1440の値を入力して下さい";
inline constexpr char kSettingsNotSaved[] = "設定を保存できませんでした";
inline constexpr char kSettingsNotSavedFormat[] =
    "設定を保存できませんでした\n%s に書き込めるか確認して下さい";

// Tabs.
inline constexpr char kTabWorkUnit[] = "Work Unit";
inline constexpr char kTabObservation[] = "観測情報";
inline constexpr char kTabAnalysis[] = "解析情報";
inline constexpr char kTabProgress[] = "進捗/終了時予測";
inline constexpr char kTabUser[] = "ユーザ情報";
inline constexpr char kTabUserWithNameFormat[] = "ユーザ情報 (%s)";

// The lines around the pages.
inline constexpr char kLastUpdatePrefix[] = "最終更新時刻： ";
// " (%.3lf day 経過)" or " (%.3lf hr 経過)": the text around the number.
inline constexpr char kElapsedOpen[] = " (";
inline constexpr char kElapsedDaysClose[] = " day 経過)";
inline constexpr char kElapsedHoursClose[] = " hr 経過)";

// Page labels.
inline constexpr char kWorkUnitLabels[] =
    "データ種別：\n\nWU名：\n受信時刻：\nSETI Ver.：\nSplitter Ver.：";
inline constexpr char kObservationLabels[] =
    "観測時刻：\n観測方向 (From)：\n観測方向 (To)：\n角度幅："
    "\n\nBase Freq.：\nCenter Freq.：\nRate：\nSamples：\nSamples/Rate：";
inline constexpr char kAnalysisLabels[] = "Spike：\nGaussians：";
inline constexpr char kProgressLabels[] =
    "進捗：\nCPU Time：\n解析項目：\n稼働率：\n\n終了時 CPU "
    "Time：\n予想終了時刻1：\n予想終了時刻2：";
inline constexpr char kUserLabels[] =
    "登録日：\nWU受信総数：\n結果送信総数：\nTotal CPU Time："
    "\n\n結果送信数/日：\nCPU Time/WU：\nCPU Time/日：";

// Page values with Japanese in them.
// " (受信から %.3lf day 経過後)\n" or " (受信から %.3lf hr 経過後)\n": the text around the number.
inline constexpr char kAfterReceiptOpen[] = " (受信から ";
inline constexpr char kAfterReceiptDaysClose[] = " day 経過後)\n";
inline constexpr char kAfterReceiptHoursClose[] = " hr 経過後)\n";
inline constexpr char kAsOfFormat[] = " (%04d/%02d/%02d %02d:%02d:%02d UT 時点)\n";
inline constexpr char kAsOfUnknownDate[] = " (----/--/-- --:--:-- UT 時点)\n";  // no usable date

// Simple view.
inline constexpr char kSimpleViewWait[] = "Wait...";
inline constexpr char kSimpleViewFailed[] = "情報取得失敗";
// Two lines on the simple view's button: progress in percent, then the CPU time.
inline constexpr char kSimpleViewProgressFormat[] = "Progress:   %.3lf%%\n";
inline constexpr char kSimpleViewCpuTimeFormat[] = "CPU Time: %d hr %02d min %02.3lf sec";

// Clients overview: its caption, column headers and the status of each client.
inline constexpr char kOverviewCaption[] = "Vantrel - クライアント一覧";
inline constexpr char kColumnFolder[] = "フォルダ";
inline constexpr char kColumnWorkUnit[] = "WU名";
inline constexpr char kColumnProgress[] = "進捗";
inline constexpr char kColumnCpuTime[] = "CPU Time";
inline constexpr char kColumnPredictedEnd[] = "予想終了時刻";
inline constexpr char kColumnUtilisation[] = "稼働率";
inline constexpr char kColumnStatus[] = "状態";
inline constexpr char kStatusLoading[] = "読み込み中...";
inline constexpr char kStatusRunning[] = "実行中";
inline constexpr char kStatusFinished[] = "終了 (新しいWU待ち)";
inline constexpr char kStatusNoClientFiles[] = "クライアントファイルなし";
inline constexpr char kStatusFolderMissing[] = "フォルダがありません";
inline constexpr char kStatusNotResponding[] = "応答なし";
// Unreadable, and why: the file's name (or the folder's failure) in the place.
inline constexpr char kStatusUnreadableFormat[] = "読み取れません (%s)";
inline constexpr char kReasonNoFileFormat[] = "%s がありません";
inline constexpr char kReasonNoPermissionFormat[] = "%s: 読み取りの権限がありません";
inline constexpr char kReasonFolderNoPermission[] = "フォルダに入る権限がありません";
inline constexpr char kReasonNotAFileFormat[] = "%s: 通常のファイルではありません";
inline constexpr char kReasonNotWholeFormat[] = "%s: 内容が不完全です";
// The file's name, then the system's own text for its error.
inline constexpr char kReasonSystemErrorFormat[] = "%s: %s";
// A status that is not live, then the local time of the last refresh that read the client.
inline constexpr char kStatusSinceFormat[] = "%s、最終読み込み %s";
inline constexpr char kFolderAlreadyListed[] = "このフォルダは一覧にあります";
inline constexpr char kNotAFolder[] = "フォルダを開けませんでした";
inline constexpr char kClientStillLoading[] = "情報を読み込み中です";
inline constexpr char kClientFoldersNotSaved[] = "クライアント一覧を保存できませんでした";
inline constexpr char kExportFailedForFormat[] = "エクスポートできませんでした (%s)";
inline constexpr char kChooseClientFolder[] = "クライアントのフォルダを選択";
// The history window.
inline constexpr char kHistoryMenuItem[] = "作業履歴(&H)...";
inline constexpr char kHistoryTitleFormat[] = "作業履歴 - %s";
inline constexpr char kHistoryColumnLogged[] = "記録時刻";
inline constexpr char kHistoryColumnName[] = "WU名";
inline constexpr char kHistoryColumnRecorded[] = "観測時刻 (UT)";
inline constexpr char kHistoryColumnPosition[] = "観測方向 (From)";
inline constexpr char kHistoryColumnCpu[] = "CPU Time";
inline constexpr char kHistoryColumnScore[] = "Score (Gaussians)";
inline constexpr char kHistoryColumnPower[] = "Power (Gaussians)";
inline constexpr char kHistorySummaryLabels[] =
    "ユニット数：\nCPU Time 合計：\nCPU Time 平均：\nCPU Time 中央値：\n"
    "週あたり (直近4週)：\n週あたり (直近52週)：";
inline constexpr char kHistoryTabCpu[] = "CPU 時間";
inline constexpr char kHistoryTabWeekly[] = "週ごとのユニット数";
inline constexpr char kHistoryTabSky[] = "天球図";
inline constexpr char kHistoryUnitsFormat[] = "%d ユニット (%d 行)";
inline constexpr char kHistoryRepeatedFormat[] = "、同じユニットの %d 行をまとめました";
inline constexpr char kHistoryUnreadableFormat[] = "、%d 行を読み込めませんでした (%s 行目)";
inline constexpr char kHistoryPartialLine[] = "、最後の行は書き込み中です";
inline constexpr char kHistoryReadFailed[] = "ログを読み込めませんでした";
inline constexpr char kHistoryNoCharts[] =
    "グラフを描けません (PLplot の cairo ドライバがありません)";
inline constexpr char kHistorySaveFailed[] = "グラフを保存できませんでした";
// A file of the name the chart is saved as, which the file dialog did not ask about.
inline constexpr char kReplaceFileFormat[] = "%s は既にあります。置き換えますか?";
inline constexpr char kChartFileFilter[] = "PNG 画像 (*.png)|*.png|SVG 画像 (*.svg)|*.svg||";

// The history charts.
inline constexpr char kChartCpuTitle[] = "ユニットごとの CPU 時間";
inline constexpr char kChartCpuXLabel[] = "記録日";
inline constexpr char kChartCpuYLabel[] = "CPU 時間 (hr)";
inline constexpr char kChartWeeklyTitle[] = "週ごとに終えたユニット数";
inline constexpr char kChartWeeklyXLabel[] = "週 (月曜日から)";
inline constexpr char kChartWeeklyYLabel[] = "ユニット数";
inline constexpr char kChartSkyTitle[] = "観測方向 (ハマー図法、中央が赤経 0h)";
inline constexpr char kChartSkyBand[] = "望遠鏡が観測できた赤緯";
inline constexpr char kChartSkyGalactic[] = "銀河面";
inline constexpr char kChartNoUnits[] = "ユニットがありません";

// Settings dialog's file browser.
inline constexpr char kCsvFileFilter[] = "CSVファイル (*.csv)|*.csv|すべてのファイル (*.*)|*.*||";

}  // namespace Text
