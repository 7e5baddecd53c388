// The transfer-file reader: turns the keyword file (.cmi) into the solver's model input (.trn).
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace consumer {

class comtransfer {
  public:
    comtransfer() = default;

    // Reads the keyword file and writes the model input beside it (same name, extension ".trn").
    // Returns the path of the model input, or nothing with resultCode 0 when a line is refused
    // or a file cannot be opened; resultCode is 1 on success.
    std::optional<std::string> Read(const std::string& cmiPath, int& resultCode);

    // The model input as text, from the fields read so far.
    std::string ModelInputText() const;

    // The model input path of a keyword file: only the file name's extension is replaced.
    static std::string TransferPath(const std::string& cmiPath);

  private:
    bool ParseLine(std::string_view line);
    bool ParseKeyword(std::string_view keyword, std::string_view values);
    void AppendPatterns(std::string& out) const;
    void AppendEmissions(std::string& out) const;
    int ZoneOf(int location) const;

    int scenario_ = 0;
    double yearsOfUse_ = 0;
    double lifetime_ = 0;
    double bodyWeight_ = 0;
    double eventsPerYear_ = 0;
    double massUsed_ = 0;
    double saturation_ = 0;
    double durationOfUse_ = 0;
    double airExchangeRate_ = 0;
    double inhalationDuringUse_ = 0;
    double inhalationAfterUse_ = 0;
    double zone1Volume_ = 0;
    double houseVolume_ = 0;
    double aerosolFraction_ = 0;
    int roomOfUse_ = 0;
    std::array<int, 24> useDayLocations_{};
    std::array<int, 24> afterUseDayLocations_{};
    double startTime_ = 0;
    double molecularWeight_ = 0;
    double vaporPressure_ = 0;
    double weightFraction_ = 0;
    double henrysLaw_ = 0;
    int useDayCount_ = 0;
    int afterUseDayCount_ = 0;
};

}  // namespace consumer
