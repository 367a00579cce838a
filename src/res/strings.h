// The string table: every text the user reads, in one place, each a whole sentence or label with
// printf conversions for its values. The compiler checks them where they are used. Every literal
// in this file and in the dialog templates is a text to translate: the build extracts them all
// into the catalog template, and a test fails on one without its English (po/en.po). Names that
// are never translated are in res/names.h.
#pragma once

#include "platform/base/cstring.h"
#include "platform/ui/framework_texts.h"
#include "res/names.h"
#include "res/ui_language.h"

// Every text the user reads is looked up here by its text in the program's own language. A
// format stays a format: the compiler checks the conversions of what this returns against the
// text it was looked up by.
[[gnu::format_arg(1)]] const char* Tr(const char* text);

// The language Tr translates into, from now on; Japanese until one is chosen.
void UseUiLanguage(UiLanguage language);
UiLanguage CurrentUiLanguage();

// The framework's texts in the user's language, for CWinApp::m_frameworkTexts.
FrameworkTexts LoadFrameworkTexts();

// Loads a numbered string (IDS_ABOUTBOX); empty for an unknown id.
CString LoadStringResource(int id);

namespace Text {

// The About box.
inline constexpr char kAboutMenuItem[] = "Vantrel のﾊﾞｰｼﾞｮﾝ情報(&A)...";
inline constexpr char kAboutAuthors[] = "Copyright (C) 2026 Halvorn. Vantrel の開発チーム";

// The command line's answers, on a terminal. DIR and FILE stand for what the user gives, in
// every language.
inline constexpr char kUsage[] =
    "使い方: vantrel [DIR]\n"
    "        vantrel DIR DIR...\n"
    "        vantrel --clients\n"
    "        vantrel --history [FILE]\n";
inline constexpr char kUsageDescription[] =
    "起動したフォルダか DIR の SETI@home クライアントの作業状況を表示します。DIR を複数\n"
    "指定すると、クライアント一覧に 1 台ずつ表示します。--history を付けると、CSV ログに\n"
    "記録されたワークユニットを表、集計、グラフで表示します。\n";
inline constexpr char kOptionsHeading[] = "\nオプション:\n";
inline constexpr char kOptionClients[] = "設定に保存されたフォルダでクライアント一覧を開きます";
inline constexpr char kOptionHistory[] = "CSV ログ FILE の作業履歴を開きます (省略時: 設定のログ)";
inline constexpr char kOptionHelp[] = "このヘルプを表示して終了します";
inline constexpr char kOptionVersion[] = "バージョンを表示して終了します";
// A wrong argument, then how to get help; %s: the program's name.
inline constexpr char kUnknownOptionFormat[] = "不明なオプションです: '%s'";
inline constexpr char kOptionTakesNoValueFormat[] = "オプション '%s' に値は指定できません";
inline constexpr char kClientsTakesNoFolders[] =
    "--clients にフォルダは指定できません (設定に保存されたフォルダを開きます)";
inline constexpr char kHistoryTakesNoFolders[] =
    "--history はログを開きます。クライアントのフォルダは指定できません";
inline constexpr char kTryHelpFormat[] = "詳しくは '%s --help' を実行して下さい。";

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

// The lines around the pages. The elapsed time follows the last update on its line, and a
// predicted end on the progress page; a count over one day is in days, otherwise in hours.
inline constexpr char kLastUpdateFormat[] = "最終更新時刻： %s";
inline constexpr char kElapsedDaysFormat[] = " (%.3lf day 経過)";
inline constexpr char kElapsedHoursFormat[] = " (%.3lf hr 経過)";
inline constexpr char kAfterReceiptDaysFormat[] = " (受信から %.3lf day 経過後)";
inline constexpr char kAfterReceiptHoursFormat[] = " (受信から %.3lf hr 経過後)";

// Page labels, a line each; an empty one leaves its line blank.
inline constexpr char kLabelDataType[] = "データ種別：";
inline constexpr char kLabelUnitName[] = "WU名：";
inline constexpr char kLabelReceived[] = "受信時刻：";
inline constexpr char kLabelSetiVersion[] = "SETI Ver.：";
inline constexpr char kLabelSplitterVersion[] = "Splitter Ver.：";
inline constexpr char kLabelRecorded[] = "観測時刻：";
inline constexpr char kLabelFrom[] = "観測方向 (From)：";
inline constexpr char kLabelTo[] = "観測方向 (To)：";
inline constexpr char kLabelAngleRange[] = "角度幅：";
inline constexpr char kLabelBaseFreq[] = "Base Freq.：";
inline constexpr char kLabelCenterFreq[] = "Center Freq.：";
inline constexpr char kLabelRate[] = "Rate：";
inline constexpr char kLabelSamples[] = "Samples：";
inline constexpr char kLabelSamplesPerRate[] = "Samples/Rate：";
inline constexpr char kLabelSpike[] = "Spike：";
inline constexpr char kLabelGaussians[] = "Gaussians：";
inline constexpr char kLabelProgress[] = "進捗：";
inline constexpr char kLabelCpuTime[] = "CPU Time：";
inline constexpr char kLabelAnalysisItems[] = "解析項目：";
inline constexpr char kLabelUtilisation[] = "稼働率：";
inline constexpr char kLabelCpuTimeAtEnd[] = "終了時 CPU Time：";
inline constexpr char kLabelPredictedEnd1[] = "予想終了時刻1：";
inline constexpr char kLabelPredictedEnd2[] = "予想終了時刻2：";
inline constexpr char kLabelRegistered[] = "登録日：";
inline constexpr char kLabelUnitsReceived[] = "WU受信総数：";
inline constexpr char kLabelResultsSent[] = "結果送信総数：";
inline constexpr char kLabelTotalCpuTime[] = "Total CPU Time：";
inline constexpr char kLabelResultsPerDay[] = "結果送信数/日：";
inline constexpr char kLabelCpuTimePerUnit[] = "CPU Time/WU：";
inline constexpr char kLabelCpuTimePerDay[] = "CPU Time/日：";

// Page values with Japanese in them.
inline constexpr char kAsOfFormat[] = " (%04d/%02d/%02d %02d:%02d:%02d UT 時点)";
inline constexpr char kAsOfUnknownDate[] = " (----/--/-- --:--:-- UT 時点)";  // no usable date

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
// A running client whose unit has not moved for the time the notification settings give; %s: when
// it last moved (local time, to the minute).
inline constexpr char kStatusStalledFormat[] = "停止 (%s から進んでいません)";
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

// The notifications' settings: the item that opens them, and the minutes a stall takes when they
// are out of range (%d: the fewest, the most).
inline constexpr char kNotifySettingsMenuItem[] = "通知の設定...";
inline constexpr char kStallMinutesOutOfRangeFormat[] =
    "停止とみなすまでの時間は %d 分から %d 分までの間で指定して下さい";

// Desktop notifications of the clients. A notice's first line is its summary, the rest its body.
inline constexpr char kAlertUnitFinished[] = "ユニットが終了しました";
// %s: the unit's name, its CPU time, the client's folder.
inline constexpr char kAlertUnitFinishedBodyFormat[] = "%s\nCPU 時間: %s\nフォルダ: %s";
inline constexpr char kAlertStalled[] = "クライアントが停止しました";
// %s: the folder, and when its unit last moved.
inline constexpr char kAlertStalledBodyFormat[] = "%s\n%s から進んでいません";
inline constexpr char kAlertRunningAgain[] = "クライアントが再び動いています";
inline constexpr char kAlertFolderMissing[] = "クライアントのフォルダがありません";
inline constexpr char kAlertUnreadable[] = "クライアントのフォルダを読み取れません";
inline constexpr char kAlertNotResponding[] = "クライアントのフォルダが応答しません";
inline constexpr char kAlertNoClientFiles[] = "フォルダにクライアントのファイルがありません";
// %s: the folder, and why it could not be read.
inline constexpr char kAlertUnreadableBodyFormat[] = "%s\n%s";
inline constexpr char kAlertReachableAgain[] = "クライアントを再び読み取れます";
// Many clients at once; %d: how many.
inline constexpr char kAlertUnitsFinishedFormat[] = "%d 台のクライアントでユニットが終了しました";
inline constexpr char kAlertManyStalledFormat[] = "%d 台のクライアントが停止しました";
inline constexpr char kAlertManyRunningAgainFormat[] = "%d 台のクライアントが再び動いています";
inline constexpr char kAlertManyUnreachableFormat[] = "%d 台のクライアントを読み取れません";
inline constexpr char kAlertManyReachableAgainFormat[] = "%d 台のクライアントを再び読み取れます";

// An overview of no clients, and how to add one.
inline constexpr char kOverviewNoClients[] =
    "クライアントがありません。追加... でクライアントのフォルダを選んで下さい";
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
inline constexpr char kLabelHistoryUnits[] = "ユニット数：";
inline constexpr char kLabelHistoryCpuTotal[] = "CPU Time 合計：";
inline constexpr char kLabelHistoryCpuMean[] = "CPU Time 平均：";
inline constexpr char kLabelHistoryCpuMedian[] = "CPU Time 中央値：";
inline constexpr char kLabelHistoryWeekly4[] = "週あたり (直近4週)：";
inline constexpr char kLabelHistoryWeekly52[] = "週あたり (直近52週)：";
inline constexpr char kHistoryTabCpu[] = "CPU 時間";
inline constexpr char kHistoryTabWeekly[] = "週ごとのユニット数";
inline constexpr char kHistoryTabSky[] = "天球図";
inline constexpr char kHistoryUnitsFormat[] = "%d ユニット (%d 行)";
inline constexpr char kHistoryRepeatedFormat[] = "、同じユニットの %d 行をまとめました";
inline constexpr char kHistoryUnreadableFormat[] = "、%d 行を読み込めませんでした (%s 行目)";
inline constexpr char kHistoryPartialLine[] = "、最後の行は書き込み中です";
inline constexpr char kHistoryReadFailed[] = "ログを読み込めませんでした";
// The log is not there yet: where the first exported unit will make it.
inline constexpr char kHistoryNoLogYetFormat[] = "まだユニットがありません。ログは %s に作られます";
inline constexpr char kHistoryChartSavedFormat[] = "グラフを %s に保存しました";
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

// The framework's own texts: an entry over its length ("%1": the most characters it takes), the
// titles of the file dialogs, and what a native Wayland session cannot do (said on stderr).
inline constexpr char kTooLongFormat[] = "%1 文字以内で入力してください。";
inline constexpr char kOpenFileTitle[] = "開く";
inline constexpr char kSaveFileTitle[] = "名前を付けて保存";
inline constexpr char kTopMostUnavailable[] = "Wayland では簡易表示を常に最前面で表示できません。";

// Settings dialog's file browser.
inline constexpr char kCsvFileFilter[] = "CSVファイル (*.csv)|*.csv|すべてのファイル (*.*)|*.*||";

// Desktop notifications: the framework's own texts
// Said once on stderr when no notification service answers on the session bus.
inline constexpr char kNotificationsUnavailable[] =
    "デスクトップの通知サービスに接続できないため、通知は表示されません。";
// Said on stderr when there is no display to open a window on.
inline constexpr char kNoDisplay[] =
    "ディスプレイを開けません。X11 か Wayland のデスクトップセッションで、または xvfb-run "
    "の下で起動して下さい";

}  // namespace Text
