// The main window's five tabs, in the order the tab control shows them: the one place that
// order is written.
#pragma once

enum MainTab { kWorkUnitTab, kObservationTab, kAnalysisTab, kProgressTab, kUserTab };
