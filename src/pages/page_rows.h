// A page as a table of rows, each a label and the way its value is written, so that a label and
// its value are written once, side by side, and the two columns cannot drift apart.
#pragma once

#include <cstddef>

#include "pages/page_text.h"
#include "platform/base/text_writer.h"
#include "res/strings.h"

template <typename Facts>
struct PageRow {
    const char* label;                         // empty: a blank line
    void (*value)(TextWriter&, const Facts&);  // null: nothing on the line
};

// The value of a row that cannot be worked out from what the client files hold.
inline void PutNaN(TextWriter& text) {
    text.Put("NaN");
}

// Whether the values column ends with a line end after its last row.
enum class LastLine { kEnded, kOpen };

// The labels, one a line, with no line end after the last.
template <typename Facts, size_t N>
CString RowLabels(const PageRow<Facts> (&rows)[N]) {
    CString labels;
    for (size_t k = 0; k < N; ++k) {
        if (k != 0) {
            labels += '\n';
        }
        labels += Tr(rows[k].label);
    }
    return labels;
}

// Each row's value on its line.
template <typename Facts, size_t N>
void PutRowValues(TextWriter& text, const PageRow<Facts> (&rows)[N], const Facts& facts,
                  LastLine last) {
    for (size_t k = 0; k < N; ++k) {
        if (rows[k].value) {
            rows[k].value(text, facts);
        }
        if (k + 1 < N || last == LastLine::kEnded) {
            text.Put('\n');
        }
    }
}

// Both columns; the values only when there are facts to show.
template <typename Facts, size_t N>
PageText BuildRows(const PageRow<Facts> (&rows)[N], const Facts* facts, LastLine last) {
    PageText page;
    page.labels = RowLabels(rows);
    if (facts) {
        TextWriter text(page.values);
        PutRowValues(text, rows, *facts, last);
    }
    return page;
}
