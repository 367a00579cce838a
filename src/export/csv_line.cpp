#include "export/csv_line.h"

#include <cstdint>
#include <string_view>
#include <utility>

#include "astro/ut_date_time.h"
#include "clientfiles/analysis_state.h"
#include "clientfiles/work_unit_info.h"
#include "platform/base/text_writer.h"

namespace {

constexpr const char* kLocalTimePattern = "%Y/%m/%d %H:%M:%S";

// Each line is one group of titles; the last two belong to the new layout only.
constexpr const char* kBasicTitles[] = {
    "\"Update\",\"Unit Name\",\"Received\",\"SETI Version\",\"Splitter Version\",",
    "\"Time(UT)\",\"From(RA)\",\"From(Dec)\",\"To(RA)\",\"To(Dec)\",",
    "\"Base Freq\",\"Center Freq\",\"Rate\",\" Samples\",\"Samples/Rate\",",
    "\"Progress\",\"CPU Time\",\"CPU Time at Completed\",",
    "\"Score(Spike)\",\"Power(Spike)\",",
    "\"Score(Gaussians)\",\"Power(Gaussians)\",\"Fit(Gaussians)\"",
};
constexpr const char* kNewFormTitles[] = {
    ",\"True Mean(Gaussians)\",\"Sigma(Gaussians)\",\"t0(Gaussians)\",",
    "\"Chirp Rate(Spike)\",\"Chirp Rate(Gaussians)\"",
};

// The recording time in UT, or nothing when the Julian date is absent (0) or outside the years
// UtDateTime accepts: showing the export's own clock there would pass it off as a recording time.
void PutRecordedTime(TextWriter& text, double julianDate) {
    UtDateTime ut{};
    if (!ut.SetJulianDate(julianDate)) {
        return;
    }
    // "%04d/%02d/%02d %02d:%02d:%02d": the year lies in 1984..2049.
    const auto put = [&text](char separator, int field) {
        char* const at = text.Room(3);
        at[0] = separator;
        at[1] = static_cast<char>('0' + field / 10);
        at[2] = static_cast<char>('0' + field % 10);
        text.Advance(3);
    };
    text.Integer(ut.year);
    put('/', ut.month);
    put('/', ut.day);
    put(' ', ut.hour);
    put(':', ut.minute);
    put(':', ut.second);
}

// A field between double quotes doubles the quotes inside it, so that a spreadsheet (or any
// reader of RFC 4180) finds the same columns whatever the unit's name holds.
void PutQuotedField(TextWriter& text, const CString& field) {
    text.Put('"');
    std::string_view rest = field.str();
    for (size_t quote = rest.find('"'); quote != std::string_view::npos; quote = rest.find('"')) {
        text.Put(rest.substr(0, quote + 1));
        text.Put('"');
        rest.remove_prefix(quote + 1);
    }
    text.Put(rest);
    text.Put('"');
}

// The columns after the unit's file time, each after a comma.
class NumberColumns {
public:
    explicit NumberColumns(TextWriter& text) : m_text(text) {}
    void Fixed(double value, int decimals) {
        m_text.Put(',');
        m_text.Fixed(value, decimals);
    }
    void Integer(long long value) {
        m_text.Put(',');
        m_text.Integer(value);
    }
    void RecordedTime(double julianDate) {
        m_text.Put(',');
        PutRecordedTime(m_text, julianDate);
    }

private:
    TextWriter& m_text;
};

}  // namespace

CString FormatCsvTitle(bool newForm, const char* lineEnd) {
    CString line;
    for (const char* titles : kBasicTitles) {
        line += titles;
    }
    if (newForm) {
        for (const char* titles : kNewFormTitles) {
            line += titles;
        }
    }
    line += lineEnd;
    return line;
}

CString FormatCsvLine(const CTime& updateTime, const WorkUnitInfo& wu, const AnalysisState& state,
                      bool newForm, const char* lineEnd) {
    // The numbers are written as "%.3lf", "%.6lf", "%d" would write them, column by column.
    CString line;
    TextWriter text(line);
    updateTime.AppendFormat(text, kLocalTimePattern);
    text.Put(',');
    PutQuotedField(text, wu.name);
    text.Put(',');
    if (wu.file_time != 0) {
        CTime(wu.file_time).AppendFormat(text, kLocalTimePattern);
    }
    NumberColumns columns(text);
    columns.Integer(wu.version);
    // The log has always shown the splitter version as a signed number: ffffffff reads -1.
    columns.Integer(static_cast<std::int32_t>(wu.splitter_version));
    columns.RecordedTime(wu.time_recorded);
    columns.Fixed(wu.start_ra, 3);
    columns.Fixed(wu.start_dec, 2);
    columns.Fixed(wu.end_ra, 3);
    columns.Fixed(wu.end_dec, 2);
    columns.Fixed(wu.subband_base, 2);
    columns.Fixed(wu.subband_center, 2);
    columns.Fixed(wu.subband_sample_rate, 2);
    columns.Integer(wu.nsamples);
    // Only an exact zero divisor is avoided; any other, however small, is used.
    columns.Fixed(wu.subband_sample_rate == 0.0 ? 0.0 : wu.nsamples / wu.subband_sample_rate, 3);
    columns.Fixed(state.prog, 6);
    columns.Fixed(state.cpu, 3);
    columns.Fixed(state.prog == 0.0 ? 0.0 : state.cpu / state.prog, 3);  // CPU time at completion
    columns.Fixed(state.bs_score, 6);
    columns.Fixed(state.bs_power, 6);
    columns.Fixed(state.bg_score, 6);
    columns.Fixed(state.bg_power, 6);
    columns.Fixed(state.bg_chisq, 6);
    if (newForm) {
        columns.Fixed(state.bg_true_mean, 6);
        columns.Fixed(state.bg_sigma, 6);
        columns.Integer(state.bg_fft_ind);
        columns.Fixed(state.bs_chirp_rate, 6);
        columns.Fixed(state.bg_chirp_rate, 6);
    }
    text.Put(lineEnd);
    text.Flush();
    return line;
}
