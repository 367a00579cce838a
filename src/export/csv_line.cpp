#include "export/csv_line.h"

#include <cstdint>
#include <string>
#include <utility>

#include "astro/ut_date_time.h"
#include "clientfiles/analysis_state.h"
#include "clientfiles/work_unit_info.h"
#include "platform/base/number_text.h"

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
CString FormatRecordedTime(double julianDate) {
    UtDateTime ut;
    ut.SetNow();
    if (!ut.SetJulianDate(julianDate)) {
        return CString();
    }
    // "%04d/%02d/%02d %02d:%02d:%02d": the year lies in 1984..2049.
    CString text;
    AppendInteger(text, ut.year);
    for (const auto& [separator, field] : {std::pair{'/', ut.month},
                                           {'/', ut.day},
                                           {' ', ut.hour},
                                           {':', ut.minute},
                                           {':', ut.second}}) {
        const char digits[3] = {separator, static_cast<char>('0' + field / 10),
                                static_cast<char>('0' + field % 10)};
        text.Append(digits, 3);
    }
    return text;
}

// A field between double quotes doubles the quotes inside it, so that a spreadsheet (or any
// reader of RFC 4180) finds the same columns whatever the unit's name holds.
CString QuotedFieldText(const CString& text) {
    if (text.Find('"') < 0) {
        return text;
    }
    std::string doubled;
    for (const char ch : text.str()) {
        doubled += ch;
        if (ch == '"') {
            doubled += '"';
        }
    }
    return CString(std::move(doubled));
}

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
    // The numbers are written as "%.3lf", "%.6lf", "%d" ... write them, column by column.
    CString line;
    line.Preallocate(320);  // a line of the new layout holds about 280 bytes
    line += updateTime.Format(kLocalTimePattern);
    const auto fixed = [&line](double value, int decimals) {
        line += ',';
        AppendFixed(line, value, decimals);
    };
    const auto integer = [&line](long long value) {
        line += ',';
        AppendInteger(line, value);
    };
    line += ",\"";
    line += QuotedFieldText(wu.name);
    line += "\",";
    if (wu.file_time != 0) {
        line += CTime(wu.file_time).Format(kLocalTimePattern);
    }
    integer(wu.version);
    // The log has always shown the splitter version as a signed number: ffffffff reads -1.
    integer(static_cast<std::int32_t>(wu.splitter_version));
    line += ',';
    line += FormatRecordedTime(wu.time_recorded);
    fixed(wu.start_ra, 3);
    fixed(wu.start_dec, 2);
    fixed(wu.end_ra, 3);
    fixed(wu.end_dec, 2);
    fixed(wu.subband_base, 2);
    fixed(wu.subband_center, 2);
    fixed(wu.subband_sample_rate, 2);
    integer(wu.nsamples);
    // Only an exact zero divisor is avoided; any other, however small, is used.
    fixed(wu.subband_sample_rate == 0.0 ? 0.0 : wu.nsamples / wu.subband_sample_rate, 3);
    fixed(state.prog, 6);
    fixed(state.cpu, 3);
    fixed(state.prog == 0.0 ? 0.0 : state.cpu / state.prog, 3);  // CPU time at completion
    fixed(state.bs_score, 6);
    fixed(state.bs_power, 6);
    fixed(state.bg_score, 6);
    fixed(state.bg_power, 6);
    fixed(state.bg_chisq, 6);
    if (newForm) {
        fixed(state.bg_true_mean, 6);
        fixed(state.bg_sigma, 6);
        integer(state.bg_fft_ind);
        fixed(state.bs_chirp_rate, 6);
        fixed(state.bg_chirp_rate, 6);
    }
    line += lineEnd;
    return line;
}
