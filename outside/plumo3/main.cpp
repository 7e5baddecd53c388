// PLUMO3 stand-in: a Gaussian-plume screening model for one point or area source.
//
// Usage: plumo3 [deck [listing]]; by default it reads ../plumo3.dat and writes plumo.out in the
// working folder, which is how plumos.bat starts it from the program folder's plumo3/ folder.
// Exit status 0 when concentrations were computed, 1 when the deck was refused (the listing
// then says why and has no result lines), 2 when a file could not be read or written.
//
// The deck, one answer per line (blanks around an answer are ignored):
//   title line
//   P (point source) or A (area source)
//   point: emission rate g/s; stack height m; inside diameter m; exit velocity m/s;
//          stack gas temperature K; ambient temperature K; receptor height above ground m;
//          U (urban) or R (rural); building downwash y/n, after y the building height, length
//          and width in m; complex terrain y/n (not modelled); simple terrain y/n
//   area:  emission rate g/(s m2); release height m; length m; width m; receptor height m;
//          U or R; rectangular area y/n
//   meteorology: 1 for full meteorology, or 2 followed by the stability class 1 to 6 (A to F)
//          and, optionally, the 10 m wind speed in m/s
//   automatic distance array y/n (not used); discrete distances y/n
//   point only: terrain height of the receptors above the stack base, m
//   distances in m, one a line, ended by 0
//   any further answers are read by nobody.
//
// Method.
// - Concentration at a receptor on the plume centre line, with total reflection at the ground:
//     C = Q / (2 pi u sy sz) [exp(-(zr - H)^2 / 2 sz^2) + exp(-(zr + H)^2 / 2 sz^2)],
//   which for a ground-level receptor (zr = 0) is Q / (pi u sy sz) exp(-H^2 / 2 sz^2).
//   No mixing lid is applied. Concentrations are reported in micrograms per cubic metre.
// - Dispersion coefficients, x the distance (1 m at least):
//   rural (Pasquill-Gifford in their usual closed forms, x in km): sy = 465.11628 x tan(T),
//     T = 0.017453293 (c - d ln x) with c, d by class; sz = a x^b with a, b by class and
//     distance segment, at most 5000 m;
//   urban (Briggs, x in m): A-B sy = 0.32x(1+0.0004x)^-1/2, sz = 0.24x(1+0.001x)^1/2;
//     C sy = 0.22x(1+0.0004x)^-1/2, sz = 0.20x; D sy = 0.16x(1+0.0004x)^-1/2,
//     sz = 0.14x(1+0.0003x)^-1/2; E-F sy = 0.11x(1+0.0004x)^-1/2, sz = 0.08x(1+0.0015x)^-1/2.
// - Wind: the 10 m wind u10 raised to the stack (or release) height h above 10 m by the power
//   law u10 (h/10)^p, p rural 0.07 0.07 0.10 0.15 0.35 0.55 and urban 0.15 0.15 0.20 0.25 0.30
//   0.30 for A to F; never below 1 m/s.
// - Point source height: stack-tip downwash lowers the stack by 2 d (vs/u - 1.5) when the exit
//   velocity vs is below 1.5 u. Final plume rise by Briggs: buoyancy flux
//   Fb = g vs d^2 (Ts - Ta) / (4 Ts), momentum flux Fm = vs^2 d^2 Ta / (4 Ts); buoyancy governs
//   when Ts - Ta is at least the crossover difference (A-D: 0.0297 Ts vs^1/3 / d^2/3 for
//   Fb < 55, else 0.00575 Ts vs^2/3 / d^1/3; E-F: 0.019582 Ts vs s^1/2). Buoyant rise A-D
//   21.425 Fb^3/4 / u (Fb < 55) or 38.71 Fb^3/5 / u, E-F 2.6 (Fb / (u s))^1/3; momentum rise
//   A-D 3 d vs / u, E-F the smaller of 1.5 (Fm / (u s^1/2))^1/3 and 3 d vs / u; with
//   s = g (dtheta/dz) / Ta and dtheta/dz 0.020 K/m (E) or 0.035 K/m (F). The effective height
//   above the receptors' ground is the plume height less the terrain height, at least 0.
// - Building downwash (when asked): a stack lower than the building height plus 1.5 times the
//   smaller of the building height and its larger horizontal side stands in the building's wake;
//   the wake then spreads the plume as a volume source the size of the building would, adding
//   (larger side / 4.3)^2 to sy^2 and (building height / 2.15)^2 to sz^2.
// - Meteorology: with a class and a wind speed, that case alone; with a class only, every 10 m
//   wind speed a screening search pairs with it; with full meteorology, every class with its
//   wind speeds (A 1-3, B 1-5, C 1-5 and 8, 10, D 1-5 and 8, 10, 15, 20, E 1-5, F 1-4 m/s, in
//   steps of 0.5 up to 5). The highest concentration at each distance is reported, with the
//   weather that gives it.
// - Area source: the point kernel integrated over the rectangle (no plume rise), the receptor
//   downwind of the area's centre on its axis: across the wind analytically (an error
//   function), along the wind numerically from the receptor's upwind side to the far edge.
//   The wind blows along the length or along the width, whichever gives the higher
//   concentration. Far from the area this tends to the point source of the same total emission.
// Everything is deterministic and takes milliseconds.
#include <cstdio>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>

#include "outside/plumo3/report.h"

namespace {

bool ReadFile(const std::string& path, std::string& text) {
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return false;
    std::ostringstream all;
    all << in.rdbuf();
    text = all.str();
    return true;
}

bool WriteFile(const std::string& path, const std::string& text) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << text;
    out.close();
    return bool(out);
}

}  // namespace

int main(int argc, char** argv) {
    std::string deckPath = argc > 1 ? argv[1] : "../plumo3.dat";
    std::string outPath = argc > 2 ? argv[2] : "plumo.out";
    std::string deckText;
    if (!ReadFile(deckPath, deckText)) {
        std::cerr << "plumo3: cannot read the deck " << deckPath << "\n";
        WriteFile(outPath, plumo::ErrorReport("cannot read the deck " + deckPath));
        return 2;
    }
    std::string listing;
    int status = 0;
    try {
        listing = plumo::ModelReport(plumo::ReadDeck(deckText));
    } catch (const std::exception& e) {
        listing = plumo::ErrorReport(e.what());
        status = 1;
    }
    if (!WriteFile(outPath, listing)) {
        std::cerr << "plumo3: cannot write " << outPath << "\n";
        return 2;
    }
    return status;
}
