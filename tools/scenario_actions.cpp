#include "scenario_actions.h"

#include <iostream>

#include "platform/base/clock.h"
#include "platform/headless/headless.h"

void ForEachActionLine(const std::function<bool()>& done,
                       const std::function<void(const std::string&)>& act) {
    std::string line;
    while (!done() && std::getline(std::cin, line)) {
        if (!line.empty() && line[0] != '#') {
            act(line);
        }
    }
}

std::optional<std::string> PerformCommonAction(const std::string& action, std::istringstream& in) {
    if (action == "answer") {
        int answer = IDOK;
        in >> answer;
        Headless::QueueMessageBoxAnswer(answer);
        return "";
    }
    if (action == "clock" || action == "advance") {
        long long seconds = 0;
        if (!(in >> seconds)) {
            return "expected seconds";
        }
        action == "clock" ? Clock::Set(seconds) : Clock::Advance(seconds);
        return "";
    }
    return std::nullopt;
}
