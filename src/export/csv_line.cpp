#include "export/csv_line.h"

#include <cstdint>
#include <string_view>

#include "astro/ut_date_time.h"
#include "clientfiles/analysis_state.h"
#include "clientfiles/work_unit_info.h"
#include "history/log_columns.h"
#include "platform/base/text_writer.h"

namespace {

constexpr const char* kLocalTimePattern = "%Y/%m/%d %H:%M:%S";

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

// What one line holds, and how each column is written from it. The numbers are written as
// "%.Nf" and "%d" would write them.
class LineWriter {
public:
    LineWriter(TextWriter& text, const CTime& updateTime, const WorkUnitInfo& wu,
               const AnalysisState& state)
        : m_text(text), m_updateTime(updateTime), m_wu(wu), m_state(state) {}

    void Put(const LogColumnInfo& info) {
        m_decimals = info.decimals;
        const WorkUnitInfo& wu = m_wu;
        const AnalysisState& state = m_state;
        switch (info.column) {
            case LogColumn::kUpdate:
                return m_updateTime.AppendFormat(m_text, kLocalTimePattern);
            case LogColumn::kUnitName:
                return PutQuotedField(m_text, wu.name);
            case LogColumn::kReceived:
                if (wu.file_time != 0) {
                    CTime(wu.file_time).AppendFormat(m_text, kLocalTimePattern);
                }
                return;
            case LogColumn::kSetiVersion:
                return Integer(wu.version);
            case LogColumn::kSplitterVersion:
                // The log has always shown the splitter version as a signed number: ffffffff
                // reads -1.
                return Integer(static_cast<std::int32_t>(wu.splitter_version));
            case LogColumn::kTimeUt:
                return PutRecordedTime(m_text, wu.time_recorded);
            case LogColumn::kFromRa:
                return Real(wu.start_ra);
            case LogColumn::kFromDec:
                return Real(wu.start_dec);
            case LogColumn::kToRa:
                return Real(wu.end_ra);
            case LogColumn::kToDec:
                return Real(wu.end_dec);
            case LogColumn::kBaseFreq:
                return Real(wu.subband_base);
            case LogColumn::kCenterFreq:
                return Real(wu.subband_center);
            case LogColumn::kRate:
                return Real(wu.subband_sample_rate);
            case LogColumn::kSamples:
                return Integer(wu.nsamples);
            case LogColumn::kSamplesPerRate:
                // Only an exact zero divisor is avoided; any other, however small, is used.
                return Real(wu.subband_sample_rate == 0.0 ? 0.0
                                                          : wu.nsamples / wu.subband_sample_rate);
            case LogColumn::kProgress:
                return Real(state.prog);
            case LogColumn::kCpuTime:
                return Real(state.cpu);
            case LogColumn::kCpuTimeAtCompleted:
                return Real(state.prog == 0.0 ? 0.0 : state.cpu / state.prog);
            case LogColumn::kScoreSpike:
                return Real(state.bs_score);
            case LogColumn::kPowerSpike:
                return Real(state.bs_power);
            case LogColumn::kScoreGaussians:
                return Real(state.bg_score);
            case LogColumn::kPowerGaussians:
                return Real(state.bg_power);
            case LogColumn::kFitGaussians:
                return Real(state.bg_chisq);
            case LogColumn::kTrueMeanGaussians:
                return Real(state.bg_true_mean);
            case LogColumn::kSigmaGaussians:
                return Real(state.bg_sigma);
            case LogColumn::kT0Gaussians:
                return Integer(state.bg_fft_ind);
            case LogColumn::kChirpRateSpike:
                return Real(state.bs_chirp_rate);
            case LogColumn::kChirpRateGaussians:
                return Real(state.bg_chirp_rate);
        }
    }

private:
    void Real(double value) { m_text.Fixed(value, m_decimals); }
    void Integer(long long value) { m_text.Integer(value); }

    TextWriter& m_text;
    const CTime& m_updateTime;
    const WorkUnitInfo& m_wu;
    const AnalysisState& m_state;
    int m_decimals = 0;
};

}  // namespace

CString FormatCsvTitle(bool newForm, const char* lineEnd) {
    CString line;
    for (size_t k = 0; k < LogColumnCount(newForm); ++k) {
        line += k == 0 ? "\"" : ",\"";
        line += kLogColumns[k].title;
        line += "\"";
    }
    line += lineEnd;
    return line;
}

CString FormatCsvLine(const CTime& updateTime, const WorkUnitInfo& wu, const AnalysisState& state,
                      bool newForm, const char* lineEnd) {
    CString line;
    TextWriter text(line);
    LineWriter columns(text, updateTime, wu, state);
    for (size_t k = 0; k < LogColumnCount(newForm); ++k) {
        if (k != 0) {
            text.Put(',');
        }
        columns.Put(kLogColumns[k]);
    }
    text.Put(lineEnd);
    text.Flush();
    return line;
}
