#include "key_value_lines.h"

#include <cmath>
#include <cstdlib>

namespace {

std::string_view Trim(std::string_view text) {
    const char* const blanks = " \t\r\n\v\f";
    const size_t first = text.find_first_not_of(blanks);
    if (first == std::string_view::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(blanks) - first + 1);
}

}  // namespace

KeyValueLines KeyValueLines::Parse(std::string_view text, std::string_view endLine) {
    KeyValueLines lines;
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find('\n', start);
        if (end == std::string_view::npos) {
            end = text.size();
        }
        const std::string_view line = Trim(text.substr(start, end - start));
        start = end + 1;
        if (!endLine.empty() && line == endLine) {
            break;
        }
        const size_t equals = line.find('=');
        if (equals == std::string_view::npos || equals == 0) {
            continue;
        }
        lines.m_lines.emplace_back(Trim(line.substr(0, equals)), Trim(line.substr(equals + 1)));
    }
    return lines;
}

bool KeyValueLines::Has(std::string_view key) const {
    for (const auto& line : m_lines) {
        if (line.first == key) {
            return true;
        }
    }
    return false;
}

std::string KeyValueLines::Get(std::string_view key) const {
    for (const auto& line : m_lines) {
        if (line.first == key) {
            return line.second;
        }
    }
    return {};
}

double KeyValueLines::GetNumber(std::string_view key) const {
    const double value = std::atof(Get(key).c_str());
    return std::isfinite(value) ? value : 0.0;
}

long long KeyValueLines::GetWhole(std::string_view key, long long low, long long high) const {
    const double value = std::trunc(GetNumber(key));
    if (value <= static_cast<double>(low)) {
        return low;
    }
    return value >= static_cast<double>(high) ? high : static_cast<long long>(value);
}

void KeyValueLines::Set(std::string_view key, std::string value) {
    for (auto& line : m_lines) {
        if (line.first == key) {
            line.second = std::move(value);
            return;
        }
    }
    m_lines.emplace_back(std::string(key), std::move(value));
}

std::string KeyValueLines::Text() const {
    std::string text;
    for (const auto& [key, value] : m_lines) {
        text += key;
        text += '=';
        text += value;
        text += '\n';
    }
    return text;
}
