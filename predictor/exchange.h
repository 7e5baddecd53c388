// The files the predictor exchanges with its caller: data.drv and chimra.in (read),
// chimra.out (written; its reader is here too, for the caller and the tests).
#pragma once

#include <optional>
#include <string>

#include "predictor/release.h"

// Line 1 of data.drv: the data folder, used as it is (it ends with a backslash).
std::optional<std::string> ReadDataFolder(const std::string& path);

// chimra.in: line 1 the release key (trailing blanks dropped); line 2, when it is exactly "dide2",
// names the caller, else the caller is "Ombrix 2014".
struct ChimraRequest {
    std::string key;
    std::string caller = "Ombrix 2014";
};
std::optional<ChimraRequest> ReadChimraIn(const std::string& path);

// chimra.out: the four concentrations (mg/m3) in the order stack annual, stack 24-hour,
// fugitive annual, fugitive 24-hour, each in exponent form with every digit the value needs
// (ExactNumber), so the caller stores what the release row holds; "true" or "false" for building
// downwash; the met class text; the stability class letter.
struct ChimraAnswer {
    AirConcentrations concentrations;
    bool downwash = false;
    std::string metClass = "Full";
    std::string stabilityLetter = "A";
};

std::string ChimraOutText(const ChimraAnswer& answer);
// The shortest exponent form that reads back as the same double ("9.872e-04", "0e+00").
std::string ExactNumber(double value);
// The answer that hands a release's stored values back unchanged.
ChimraAnswer StoredAnswer(const ReleaseInputs& release, const AirConcentrations& stored);
// Written whole or not at all; false when it could not be written.
bool WriteChimraOut(const std::string& path, const std::string& text);

// Reads the seven lines; nothing when a line is missing, a number is not a finite number, line
// 5 is neither "true" nor "false", or line 7 is not a letter "A" to "F".
std::optional<ChimraAnswer> ParseChimraOut(const std::string& text);
