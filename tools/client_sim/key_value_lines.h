// The key=value lines of a client file, in file order, so that a file the simulator takes over
// is written back with every line it had.
#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

class KeyValueLines {
public:
    // Reads the lines up to a line equal to endLine (when given); lines without a key are
    // passed over.
    static KeyValueLines Parse(std::string_view text, std::string_view endLine = {});

    bool Has(std::string_view key) const;
    // The value of the first line with the key, or empty text.
    std::string Get(std::string_view key) const;
    // The leading number of the value; 0 when there is none or it is not finite.
    double GetNumber(std::string_view key) const;
    // The number cut to a whole one and held within low..high.
    long long GetWhole(std::string_view key, long long low, long long high) const;
    // Replaces the first line with the key, or adds one at the end.
    void Set(std::string_view key, std::string value);

    // Each line as "key=value\n".
    std::string Text() const;
    bool empty() const { return m_lines.empty(); }

private:
    std::vector<std::pair<std::string, std::string>> m_lines;
};
