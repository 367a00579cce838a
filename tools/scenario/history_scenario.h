// The history window driven from standard input on the headless backend, for the scenario
// runner: one action a line, one JSON object of what the window shows after each.
//
// Actions inside the history window:
//   show                  print the state only
//   sort N                click the header of column N (0 when logged ... 6 power)
//   select N              click row N
//   chart N               choose chart N (0 CPU hours, 1 units per week, 2 sky map)
//   timer                 fire the timer that reads the log again
//   brief | full          from now on print only the title, status and figures, or everything
//   save PATH | save-cancel   press the save button; the file dialog answers PATH, or cancel
//   answer N              the next message box is answered with N
//   clock SECONDS | advance SECONDS   set or move the clock
//   close | enter | esc   the close box, the keys
#pragma once

class CHistoryDlg;

// Reads actions until the window is closed or the input ends.
void RunHistoryScenario(CHistoryDlg& dlg);
