// The properties every record's Parse must have, whatever the text.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "platform/base/text_encoding.h"
#include "record_members.h"

namespace fuzz {

// Parses the input into a fresh record and into two records that already hold values. Parse
// never touches found or directory, stores only UTF-8 text, gives the same record when run again
// over its own result, and each member either keeps its earlier value in both filled records or
// holds the fresh record's value in all three: what a key stores never depends on what the
// record held before.
template <typename Record>
void CheckParse(const std::uint8_t* data, std::size_t size) {
    const auto parse = [&](Record& record) {
        std::vector<char> text = ZeroTerminated(data, size);
        record.Parse(text.data());
    };

    Record fresh;
    parse(fresh);
    Check(!fresh.found && fresh.directory == ".", "Parse changed found or directory");
    const std::vector<Member> once = Members(fresh);
    for (const Member& member : once) {
        Check(!member.text || IsValidUtf8(member.bytes), "a text member is not UTF-8");
    }
    parse(fresh);
    Check(SameMembers(once, Members(fresh)), "parsing the same text again changed a member");

    const Record fillA = Filled<Record>(1);
    const Record fillB = Filled<Record>(2);
    Record a = fillA;
    Record b = fillB;
    parse(a);
    parse(b);
    Check(a.found && a.directory == fillA.directory, "Parse changed found or directory");
    const std::vector<Member> beforeA = Members(fillA);
    const std::vector<Member> beforeB = Members(fillB);
    const std::vector<Member> afterA = Members(a);
    const std::vector<Member> afterB = Members(b);
    for (std::size_t i = 0; i < once.size(); ++i) {
        const bool kept =
            afterA[i].bytes == beforeA[i].bytes && afterB[i].bytes == beforeB[i].bytes;
        const bool stored = afterA[i].bytes == once[i].bytes && afterB[i].bytes == once[i].bytes;
        Check(kept || stored, "a member depends on the value it held before Parse");
    }
}

}  // namespace fuzz
