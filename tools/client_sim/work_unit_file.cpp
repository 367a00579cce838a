#include "work_unit_file.h"

#include <cmath>
#include <cstdio>
#include <ctime>

#include "drift_scan.h"
#include "julian.h"

namespace {

constexpr double kSampleRate = 9765.625;  // Hz, one of the 256 sub-bands
constexpr double kFirstSubbandBase = 1417910156.25;
constexpr int kSamples = 1048576;
constexpr int kDataLines = 5000;  // 64 characters each: about 325 KB, as the real files
constexpr int kDataLineLength = 64;

std::string Fixed(double value, int decimals) {
    char text[64];
    std::snprintf(text, sizeof text, "%.*f", decimals, value);
    return text;
}

std::string EncodedData(SimRandom& random) {
    static constexpr char kAlphabet[] =
        "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    std::string data;
    data.reserve(static_cast<size_t>(kDataLines) * (kDataLineLength + 1));
    for (int line = 0; line < kDataLines; ++line) {
        for (int i = 0; i < kDataLineLength; ++i) {
            data += kAlphabet[random.Int(0, 61)];
        }
        data += '\n';
    }
    return data;
}

}  // namespace

std::string WorkUnitFile::Text() const {
    return header.Text() + kEndOfHeader + "\n" + dataPart;
}

size_t WorkUnitFile::HeaderBytes() const {
    return header.Text().size() + sizeof kEndOfHeader;
}

std::string WorkUnitFile::ResultText(double cpuTime) const {
    KeyValueLines result = header;
    result.Set("type", "result");
    result.Set("cpu_time", Fixed(cpuTime, 6));
    return result.Text() + kEndOfHeader + "\n";
}

std::string MakeWorkUnitName(SimRandom& random, double timeRecorded) {
    static constexpr const char* kMonths[] = {"ja", "fe", "mr", "ap", "my", "jn",
                                              "jl", "au", "se", "oc", "no", "de"};
    const std::time_t seconds = static_cast<std::time_t>(UnixSecondsOf(timeRecorded));
    std::tm ut{};
    gmtime_r(&seconds, &ut);
    char name[96];
    std::snprintf(name, sizeof name, "%02d%s%02daa.%05d.%04d.%06d.%03d", ut.tm_mday,
                  kMonths[ut.tm_mon], ut.tm_year % 100, static_cast<int>(random.Int(0, 99999)),
                  static_cast<int>(random.Int(0, 9999)), static_cast<int>(random.Int(0, 999999)),
                  static_cast<int>(random.Int(0, 999)));
    return name;
}

WorkUnitFile MakeWorkUnit(SimRandom& random, const std::string& name, double timeRecorded) {
    const SkyStrip sky = DriftScanStrip(timeRecorded, kSamples / kSampleRate);
    const int subband = static_cast<int>(random.Int(0, 255));
    const double base = kFirstSubbandBase + subband * kSampleRate;
    const double recordedEnd = timeRecorded + kSamples / kSampleRate / 86400.0;

    WorkUnitFile unit;
    KeyValueLines& h = unit.header;
    h.Set("type", "seti_wu");
    h.Set("task", "seti");
    h.Set("version", "3");
    h.Set("name", name);
    h.Set("data_type", "ascii");
    h.Set("data_class", "0");
    h.Set("splitter_version", random.Chance(0.5) ? "0120" : "0118");
    h.Set("start_ra", Fixed(sky.startRa, 7));
    h.Set("start_dec", Fixed(sky.startDec, 7));
    h.Set("end_ra", Fixed(sky.endRa, 7));
    h.Set("end_dec", Fixed(sky.endDec, 7));
    h.Set("angle_range", Fixed(sky.angleRange, 4));
    h.Set("time_recorded", JulianDateText(timeRecorded));
    h.Set("subband_center", Fixed(base + 10 * kSampleRate, 3));
    h.Set("subband_base", Fixed(base, 3));
    h.Set("subband_sample_rate", Fixed(kSampleRate, 3));
    h.Set("fft_len", "2048");
    h.Set("ifft_len", "8");
    h.Set("subband_number", std::to_string(subband));
    h.Set("receiver", "ao1420");
    h.Set("nsamples", std::to_string(kSamples));
    h.Set("tape_version", "4.6");
    h.Set("num_positions", "2");
    h.Set("coord0",
          Fixed(timeRecorded, 5) + " " + Fixed(sky.startRa, 7) + " " + Fixed(sky.startDec, 7));
    h.Set("coord1", Fixed(recordedEnd, 5) + " " + Fixed(sky.endRa, 7) + " " + Fixed(sky.endDec, 7));
    unit.dataPart = EncodedData(random);
    return unit;
}

std::optional<WorkUnitFile> AdoptWorkUnit(const std::string& fileText) {
    WorkUnitFile unit;
    unit.header = KeyValueLines::Parse(fileText, kEndOfHeader);
    if (unit.Name().empty()) {
        return std::nullopt;
    }
    const size_t end = fileText.find(std::string(kEndOfHeader) + "\n");
    unit.dataPart =
        end == std::string::npos ? std::string() : fileText.substr(end + sizeof kEndOfHeader);
    return unit;
}
