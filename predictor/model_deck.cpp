// The dispersion model's input deck plumo3.dat for one source and one averaging case.
#include "predictor/model_deck.h"

#include "platform/sys/files.h"
#include "platform/sys/paths.h"
#include "platform/sys/text.h"
#include "predictor/units.h"

namespace {

std::string Real(double value) {
    return sys::Format("%lg", value);
}

void DefaultIfZero(double& value, double fallback) {
    if (value == 0)
        value = fallback;
}

std::string LandUseLetter(const ReleaseInputs& r) {
    return r.landUse.empty() ? "U" : r.landUse.substr(0, 1);
}

void AddStackLines(std::vector<std::string>& lines, const ReleaseInputs& r, Averaging averaging) {
    lines.push_back("P");
    lines.push_back(Real(EmissionRate(r, Source::Stack, averaging)));
    lines.push_back(Real(ConvertToSI(r.stkHt, r.stkHtU)));
    lines.push_back(Real(ConvertToSI(r.stkDiam, r.stkDmU)));
    lines.push_back(Real(ConvertToSI(r.stkVel, r.stkVelU)));
    lines.push_back(Real(ConvertToSI(r.stkTemp, r.stkTmpU)));
    lines.push_back(Real(ConvertToSI(r.ambTemp, r.ambTmpU)));
    lines.push_back("0");
    lines.push_back(LandUseLetter(r));
    if (r.downwash) {
        lines.push_back("y");
        lines.push_back(Real(ConvertToSI(r.facHt, r.facHtU)));
        lines.push_back(Real(ConvertToSI(r.facLen, r.facLenU)));
        lines.push_back(Real(ConvertToSI(r.facWd, r.facWdU)));
    } else {
        lines.push_back("n");
    }
    lines.push_back("n");
    lines.push_back("y");
}

void AddFugitiveLines(std::vector<std::string>& lines, const ReleaseInputs& r,
                      Averaging averaging) {
    lines.push_back("A");
    lines.push_back(Real(EmissionRate(r, Source::Fugitive, averaging)));
    lines.push_back(Real(ConvertToSI(r.fugRelHt, r.fugRelHtU)));
    lines.push_back(Real(ConvertToSI(r.fieldLen, r.fieldLenU)));
    lines.push_back(Real(ConvertToSI(r.fieldWidth, r.fWidthU)));
    lines.push_back("0");
    lines.push_back(LandUseLetter(r));
    lines.push_back("y");
}

void AddCommonLines(std::vector<std::string>& lines, const ReleaseInputs& r, Source source) {
    if (r.metClass == kMetClassOnly || r.metClass == kMetClassAndWind) {
        lines.push_back("2");
        lines.push_back(sys::Format("%d", r.stabClass + 1));
        if (r.metClass == kMetClassAndWind)
            lines.push_back(Real(ConvertToSI(r.wndSpd, r.wndSpdU)));
    } else {
        lines.push_back("1");
    }
    lines.push_back("n");
    lines.push_back("y");
    if (source == Source::Stack)
        lines.push_back(sys::Format("%g", ConvertToSI(r.terHt, r.terHtU)));
    lines.push_back(Real(ConvertToSI(r.nearRes, r.nearResU)));
    lines.push_back("0");
    if (source == Source::Stack) {
        lines.push_back("n");
        if (r.landUse == "Rural")
            lines.push_back("n");
    }
    lines.push_back("n");
}

}  // namespace

void ApplyDeckDefaults(ReleaseInputs& r, Source source) {
    if (source == Source::Stack) {
        if (r.downwash) {
            DefaultIfZero(r.facLen, 10);
            DefaultIfZero(r.facWd, 10);
            DefaultIfZero(r.facHt, 10);
        }
        return;
    }
    DefaultIfZero(r.fieldLen, 10);
    DefaultIfZero(r.fieldWidth, 10);
    DefaultIfZero(r.fugRelHt, 3);
}

double EmissionRate(const ReleaseInputs& r, Source source, Averaging averaging) {
    if (source == Source::Stack) {
        double days = averaging == Averaging::Annual ? r.incinDays : 365;
        double perYear = r.incinRel * (1 - r.incinPerc * 0.01) * days;
        return ConvertToSI(perYear, "kg/yr");
    }
    double days = averaging == Averaging::Annual ? r.fugDays : 365;
    double perYear = r.fugRel * (1 - r.fugPerc * 0.01) * days;
    double length = ConvertToSI(r.fieldLen, r.fieldLenU);
    double width = ConvertToSI(r.fieldWidth, r.fWidthU);
    return ConvertToSI(perYear, "kg/yr") / (length * width);
}

std::vector<std::string> ModelInputLines(const ReleaseInputs& r, Source source,
                                         Averaging averaging) {
    std::vector<std::string> lines = {"modelrun"};
    if (source == Source::Stack)
        AddStackLines(lines, r, averaging);
    else
        AddFugitiveLines(lines, r, averaging);
    AddCommonLines(lines, r, source);
    return lines;
}

std::string RunCopyName(const std::string& base, Source source, Averaging averaging) {
    return base + sys::Format("%d%d", int(source), int(averaging));
}

void KeepRunCopy(const std::string& folder, const std::string& file, const std::string& name) {
    std::string copy = sys::JoinPath(folder, name);
    if (sys::FileExists(copy))
        sys::CopyBytes(copy, copy + "old");
    if (!sys::CopyBytes(file, copy))
        sys::DeleteFile(copy);
}

bool WriteModelInput(const std::string& folder, const ReleaseInputs& r, Source source,
                     Averaging averaging) {
    std::string deck = sys::JoinPath(folder, "plumo3.dat");
    if (!sys::WriteTextLines(deck, ModelInputLines(r, source, averaging)))
        return false;
    KeepRunCopy(folder, deck, RunCopyName("badinput", source, averaging));
    return true;
}
