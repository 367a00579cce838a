#include "app/command_line.h"

#include <algorithm>
#include <cerrno>
#include <cstdarg>
#include <cstring>

#include "platform/base/paths.h"
#include "res/strings.h"

namespace {

enum class OptionValue {
    None,
    // Taken from "--name=VALUE", or from the next argument unless that is an option.
    Optional,
};

struct Option {
    const char* name;
    const char* shortName;  // or null
    OptionValue value;
    const char* valueName;  // shown in the help text, for an option with a value
    const char* help;       // looked up in the string table
    void (*apply)(StartRequest& request, const std::optional<std::string>& value);
};

const Option kOptions[] = {
    {"--clients", nullptr, OptionValue::None, nullptr, Text::kOptionClients,
     [](StartRequest& r, const std::optional<std::string>&) { r.storedClients = true; }},
    {"--history", nullptr, OptionValue::Optional, "FILE", Text::kOptionHistory,
     [](StartRequest& r, const std::optional<std::string>& value) {
         r.history = true;
         r.historyLog = value ? CString(*value) : CString();
     }},
    {"--help", "-h", OptionValue::None, nullptr, Text::kOptionHelp,
     [](StartRequest& r, const std::optional<std::string>&) { r.help = true; }},
    {"--version", nullptr, OptionValue::None, nullptr, Text::kOptionVersion,
     [](StartRequest& r, const std::optional<std::string>&) { r.version = true; }},
};

const Option* FindOption(const std::string& name) {
    for (const Option& option : kOptions) {
        if (name == option.name || (option.shortName && name == option.shortName)) {
            return &option;
        }
    }
    return nullptr;
}

bool IsOption(const std::string& arg) {
    return arg.size() > 1 && arg[0] == '-';
}

// A wrong argument's answer: what is wrong (a format and its values), then how to get help.
[[gnu::format(printf, 1, 2)]] CommandLineAnswer Wrong(const char* format, ...) {
    CString text;
    text.Format("%s: ", Text::kProgramName);
    va_list args;
    va_start(args, format);
    text.AppendFormatV(format, args);
    va_end(args);
    text += "\n";
    text.AppendFormat(Tr(Text::kTryHelpFormat), Text::kProgramName);
    text += "\n";
    return CommandLineAnswer{2, true, text.str()};
}

}  // namespace

std::string UsageText() {
    std::string text =
        std::string(Tr(Text::kUsage)) + Tr(Text::kUsageDescription) + Tr(Text::kOptionsHeading);
    for (const Option& option : kOptions) {
        std::string names = option.shortName ? std::string(option.shortName) + ", " : "    ";
        names += option.name;
        if (option.value == OptionValue::Optional) {
            names += std::string(" [") + option.valueName + "]";
        }
        names.resize(std::max<size_t>(names.size() + 2, 24), ' ');
        text += "  " + names + Tr(option.help) + "\n";
    }
    return text;
}

std::optional<CommandLineAnswer> ParseCommandLine(const std::vector<std::string>& args,
                                                  StartRequest& request) {
    request = StartRequest{};
    bool optionsEnded = false;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (optionsEnded || !IsOption(arg)) {
            request.folders.emplace_back(arg);
            continue;
        }
        if (arg == "--") {
            optionsEnded = true;
            continue;
        }
        const size_t equals = arg.find('=');
        const std::string name = arg.substr(0, equals);
        const Option* option = FindOption(name);
        if (!option) {
            return Wrong(Tr(Text::kUnknownOptionFormat), name.c_str());
        }
        std::optional<std::string> value;
        if (equals != std::string::npos) {
            if (option->value == OptionValue::None) {
                return Wrong(Tr(Text::kOptionTakesNoValueFormat), name.c_str());
            }
            value = arg.substr(equals + 1);
        } else if (option->value == OptionValue::Optional && i + 1 < args.size() &&
                   !IsOption(args[i + 1])) {
            value = args[++i];
        }
        option->apply(request, value);
    }
    if (request.help) {
        return CommandLineAnswer{0, false, UsageText()};
    }
    if (request.version) {
        return CommandLineAnswer{0, false, std::string(Text::kAboutVersion) + "\n"};
    }
    if (request.storedClients && !request.folders.empty()) {
        return Wrong("%s", Tr(Text::kClientsTakesNoFolders));
    }
    if (request.history && (request.storedClients || !request.folders.empty())) {
        return Wrong("%s", Tr(Text::kHistoryTakesNoFolders));
    }
    if (request.history) {
        request.window = StartRequest::Window::History;
        return std::nullopt;
    }
    request.window = request.storedClients || request.folders.size() > 1
                         ? StartRequest::Window::Overview
                         : StartRequest::Window::Main;
    return std::nullopt;
}

std::optional<CommandLineAnswer> ResolveFolders(StartRequest& request) {
    std::vector<CString> resolved;
    for (const CString& folder : request.folders) {
        const std::optional<CString> directory = ResolvedDirectory(folder);
        if (!directory) {
            return Wrong(Tr(Text::kReasonSystemErrorFormat), folder.GetString(),
                         std::strerror(errno));
        }
        // The same folder twice would be watched, and its units logged, twice.
        if (std::find(resolved.begin(), resolved.end(), *directory) == resolved.end()) {
            resolved.push_back(*directory);
        }
    }
    request.folders = std::move(resolved);
    return std::nullopt;
}
