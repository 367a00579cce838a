#include "export/csv_line.h"

#include <string>
#include <utility>

#include "astro/ut_date_time.h"
#include "clientfiles/analysis_state.h"
#include "clientfiles/work_unit_info.h"

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
    CString text;
    text.Format("%04d/%02d/%02d %02d:%02d:%02d", static_cast<int>(ut.year),
                static_cast<int>(ut.month), static_cast<int>(ut.day), static_cast<int>(ut.hour),
                static_cast<int>(ut.minute), static_cast<int>(ut.second));
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
    CString line = updateTime.Format(kLocalTimePattern);
    line += ",\"";
    line += QuotedFieldText(wu.name);
    line += "\",";
    if (wu.file_time != 0) {
        line += CTime(wu.file_time).Format(kLocalTimePattern);
    }
    line += ",";
    // The log has always shown the splitter version as a signed number: ffffffff reads -1.
    line.AppendFormat("%d,%d,", static_cast<int>(wu.version),
                      static_cast<int>(wu.splitter_version));
    line += FormatRecordedTime(wu.time_recorded);
    line += ",";
    line.AppendFormat("%.3lf,%.2lf,", wu.start_ra, wu.start_dec);
    line.AppendFormat("%.3lf,%.2lf,", wu.end_ra, wu.end_dec);
    line.AppendFormat("%.2lf,%.2lf,", wu.subband_base, wu.subband_center);
    line.AppendFormat("%.2lf,%d,", wu.subband_sample_rate, static_cast<int>(wu.nsamples));
    // Only an exact zero divisor is avoided; any other, however small, is used.
    const double duration =
        wu.subband_sample_rate == 0.0 ? 0.0 : wu.nsamples / wu.subband_sample_rate;
    line.AppendFormat("%.3lf,", duration);
    line.AppendFormat("%.6lf,%.3lf,", state.prog, state.cpu);
    const double cpuAtCompletion = state.prog == 0.0 ? 0.0 : state.cpu / state.prog;
    line.AppendFormat("%.3lf,", cpuAtCompletion);
    line.AppendFormat("%.6lf,%.6lf,", state.bs_score, state.bs_power);
    line.AppendFormat("%.6lf,%.6lf,", state.bg_score, state.bg_power);
    line.AppendFormat("%.6lf", state.bg_chisq);
    if (newForm) {
        line.AppendFormat(",%.6lf,%.6lf,%d,", state.bg_true_mean, state.bg_sigma,
                          static_cast<int>(state.bg_fft_ind));
        line.AppendFormat("%.6lf,%.6lf", state.bs_chirp_rate, state.bg_chirp_rate);
    }
    line += lineEnd;
    return line;
}
