// The three-letter placeholder codes of report templates and the markers around a part's body.
#pragma once

#include <string>

// Marker that opens a template's body: codes before it are never filled.
inline constexpr const char* StartMarker = "HOW";
// Marker that closes a part's body; the assembly inserts further parts there.
inline constexpr const char* EndMarker = "XYZ";

// The largest placeholder number the code series can name (eight families of 26).
constexpr int LastMarkerNumber = 208;

// Advances a code in place: the seven family ends lead to the next family's start, any other
// code has each of its three letters advanced by one.
void NextMarkerCode(std::string& code);

// Code of placeholder n (1..LastMarkerNumber): the series started from "@@@" advanced n times.
// Any other n gives an empty text.
std::string MarkerCode(int n);

// Placeholder number of three bytes, or 0 when they are not a code.
int MarkerNumberOf(unsigned char a, unsigned char b, unsigned char c);

// True when the three window values equal the code's three characters, position by position.
bool MatchesMarker(const int window[3], const std::string& code);
