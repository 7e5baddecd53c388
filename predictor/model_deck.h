// The dispersion model's input deck plumo3.dat for one source and one averaging case.
#pragma once

#include <string>
#include <vector>

#include "predictor/release.h"

enum class Source { Stack = 1, Fugitive = 2 };
enum class Averaging { Annual = 1, Max24Hour = 2 };

// Not-given source dimensions take the values the model is run with: for the stack with
// downwash, a facility 10 long, 10 wide and 10 high in its own units; for the fugitive source,
// a 10 by 10 opening released at 3, in their own units. The caller stores them in the row.
void ApplyDeckDefaults(ReleaseInputs& r, Source source);

// Emission in g/s (stack) or g/(s m2) (fugitive, per area of the opening).
double EmissionRate(const ReleaseInputs& r, Source source, Averaging averaging);

// The deck's lines, without line ends, for a release whose defaults are applied.
std::vector<std::string> ModelInputLines(const ReleaseInputs& r, Source source,
                                         Averaging averaging);

// The name of the kept copies: base + source digit + case digit ("badinput21").
std::string RunCopyName(const std::string& base, Source source, Averaging averaging);

// Keeps an earlier copy as name + "old", then copies the file to name; both in folder.
// A missing file removes the copy, so no earlier run's copy passes for this run's.
void KeepRunCopy(const std::string& folder, const std::string& file, const std::string& name);

// Writes plumo3.dat in the folder and keeps it as the badinput copy; false when it cannot be
// written.
bool WriteModelInput(const std::string& folder, const ReleaseInputs& r, Source source,
                     Averaging averaging);
