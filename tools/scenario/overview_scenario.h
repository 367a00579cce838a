// The scenario runner's clients overview. Actions, besides those of scenario_common.h:
//   show                        print the state only
//   refresh | timer             the refresh button, or the refresh timer (when one runs); both
//                               wait until every refresh has come in or run past the bound
//   wait                        the same wait alone
//   watch                       the minute's reading for the notifications (when they are wanted
//                               and no timer reads the clients every minute), and the same wait
//   sort N                      a click on the header of column N
//   select N | open N           a click, or a double click, on row N
//   add DIR                     the add button, with DIR chosen in the folder chooser
//   remove | settings           press that button
//   esc | close | exit          Esc, the close box, the exit button
// The first state is printed once the first loads have come in. Rows are printed as objects of
// their column texts, with the progress bar's percent; the desktop notifications shown since the
// last state, where there are any, as "notifications".
#pragma once

class COverviewDlg;

void RunOverviewScenario(COverviewDlg& dlg);
