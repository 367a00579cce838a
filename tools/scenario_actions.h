// What the scenario runners share: their input, one action a line, and the actions that mean the
// same in every window.
#pragma once

#include <functional>
#include <optional>
#include <sstream>
#include <string>

// Runs act on each line of standard input until done() holds or the input ends; empty lines and
// lines starting with "#" are skipped.
void ForEachActionLine(const std::function<bool()>& done,
                       const std::function<void(const std::string&)>& act);

// "answer N" (the next message box's answer), "clock SECONDS" and "advance SECONDS": the error
// text ("" when done), or nothing for another action. in has read the action already.
std::optional<std::string> PerformCommonAction(const std::string& action, std::istringstream& in);
