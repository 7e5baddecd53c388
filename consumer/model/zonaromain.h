// The multi-zone indoor-air model: well-mixed zones, sources, sinks and a person moving through
// them.
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace consumer {

class ValueReader;

class zonaromain {
  public:
    // Emission source kinds as the model input names them.
    enum SourceKind { kConstant = 1, kIncremental = 2, kExponential = 3, kDataEntry = 4 };
    enum SinkKind { kFirstOrder = 1, kLangmuir = 2 };

    struct Source {
        int zone = 0;
        int kind = 0;
        double start = 0;
        double window = 0;
        double duration = 0;
        double mass = 0;
        double initialRate = 0;
        double rate = 0;                           // constant rate, or the rate constant
        std::vector<std::array<double, 2>> table;  // DATAENTRY rows (time, rate)
    };

    struct Sink {
        int zone = 0;
        int index = 0;
        int kind = 0;
        double first = 0;
        double second = 0;
        double third = 0;
        double loading = 0;
    };

    struct PatternEntry {
        double start = 0;
        double end = 0;  // override entries only
        int zone = 0;
        double rate = 0;  // m3/day
    };

    struct MonteCarloLine {
        int distribution = 0;  // 0 undefined, 1 normal, 2 triangular, 3 uniform, 4 lognormal
        double first = 1.0;
        double second = 1.0;
    };

    // The (from, to) nodes of the first twenty flows; later flows join the outdoors to itself.
    static constexpr int kFlowPairs[20][2] = {
        {0, 1}, {1, 0}, {0, 2}, {2, 0}, {1, 2}, {2, 1}, {0, 3}, {3, 0}, {1, 3}, {3, 1},
        {2, 3}, {3, 2}, {0, 4}, {4, 0}, {1, 4}, {4, 1}, {2, 4}, {4, 2}, {3, 4}, {4, 3}};

    // A step of 10 seconds, in days.
    static constexpr double kStep = 1.0 / 8640;
    static constexpr long kStepsPerHour = 360;
    // The time loop works out the source terms of this many steps at a time.
    static constexpr size_t kBlockSteps = 64;

    // What the model holds; a file that asks for more is refused before anything is allocated.
    static constexpr int kMaxZones = 100;
    static constexpr size_t kMaxSources = 100;
    static constexpr size_t kMaxSinks = 100;
    static constexpr size_t kMaxPatternEntries = 1000;
    static constexpr size_t kMaxTableRows = 1000;
    // The longest run from start to end time, in days (this program's runs last 60).
    static constexpr double kMaxRunDays = 366;

    zonaromain() = default;

    // Reads a model input file; 1 on success, 0 at the first refused line (what was read stays).
    // A file that cannot be opened reads as empty.
    int Parse(const std::string& path);
    int ParseText(const std::string& text);
    // Why the last parse failed, naming the line; empty after a parse that succeeded.
    const std::string& ParseError() const { return parseError_; }

    // Integrates from the current time to the end time: classical fourth-order Runge-Kutta steps,
    // each applied as the linear map it amounts to.
    void Run();
    // The same steps with every Runge-Kutta stage evaluated as the model's formulas are written;
    // the reference the tests hold Run against (slower).
    void RunStageByStage();

    double MassInhaled() const { return massInhaled_; }
    double LifetimeAverageDailyDose() const;
    double LifetimeAverageDailyConcentration() const;
    double AverageDailyDose() const;
    double AverageDailyConcentration() const;
    double PeakConcentration() const { return peak_; }
    double HighestDailyDose() const { return highest24HourDose_; }

    // Read access for tests and diagnostics.
    int ZoneCount() const { return zones_; }
    double Concentration(int node) const { return conc_.at(static_cast<size_t>(node)); }
    double CondensedMass(int node) const { return condensed_.at(static_cast<size_t>(node)); }
    double Volume(int node) const { return volume_.at(static_cast<size_t>(node)); }
    double FlowRate(int index) const { return flows_.at(static_cast<size_t>(index)).rate; }
    int FlowFrom(int index) const { return flows_.at(static_cast<size_t>(index)).from; }
    int FlowTo(int index) const { return flows_.at(static_cast<size_t>(index)).to; }
    const std::vector<Source>& Sources() const { return sources_; }
    const std::vector<Sink>& Sinks() const { return sinks_; }
    const std::vector<PatternEntry>& PrimaryPattern() const { return primary_; }
    const std::vector<PatternEntry>& OverridePattern() const { return override_; }
    double StartTime() const { return startTime_; }
    double EndTime() const { return endTime_; }
    double CurrentTime() const { return currentTime_; }
    double Saturation() const { return saturation_; }
    double IntegratedConcentration() const { return integratedConc_; }
    double VolumeInhaled() const { return volumeInhaled_; }
    double HighestDailyDoseTime() const { return highestTime_; }
    int MonteCarloSeed() const { return monteCarloSeed_; }
    // Emission rate (mg/day) of one source at a time.
    double EmissionRate(const Source& source, double t) const;

    // A source's exponential exp(-x) at the first time of the last block it served.
    struct DecayClock {
        long double decay = 0;
        long block = -2;
    };
    // The steps of a source's exponentials: from the first time of a block to its i-th time
    // after, exp(-x) falls by the factor decayHigh[i] + decayLow[i] = exp(-k i h/2); from one
    // block to the next by blockDecay = exp(-k kBlockSteps h).
    struct DecaySteps {
        std::array<double, 2 * kBlockSteps> decayHigh{};
        std::array<double, 2 * kBlockSteps> decayLow{};
        long double blockDecay = 1;
    };

  private:
    struct Flow {
        int from = 0;
        int to = 0;
        double rate = 0;
    };

    // Parsing, one handler per keyword.
    bool ParseLine(std::string_view line, const std::vector<std::string>& lines, size_t& next);
    // Records why a line is refused; always false.
    bool Refuse(const std::string& why);
    bool CheckRunSpan();
    bool ParseZones(ValueReader& reader);
    bool ParseNodeValues(ValueReader& reader, bool initial);
    bool ParseAirFlow(ValueReader& reader, int set);
    bool ParsePattern(ValueReader& reader, std::vector<PatternEntry>& list, bool withEnd);
    bool ParsePrimaryDays(ValueReader& reader);
    bool ParseSink(ValueReader& reader);
    bool ParseEmission(ValueReader& reader, const std::vector<std::string>& lines, size_t& next);
    bool ParseMonteCarlo(ValueReader& reader, const std::vector<std::string>& lines, size_t& next);
    void SortPatterns();

    // Running.
    // The times of one step: its start, length, middle (t + h/2) and end.
    struct StepTimes {
        double t = 0;
        double h = 0;
        double middle = 0;
        double end = 0;
    };
    void PrepareRun();
    void PrepareFlowTerms();
    void PrepareSources();
    static void PrepareDecaySteps(double k, DecaySteps& steps);
    bool TimesOf(long step, double t0, StepTimes& times) const;
    void SourceTerms(double t, double* terms) const;
    void BlockSourceTerms(const StepTimes* times, size_t steps, bool firstBlock,
                          double* rows) const;
    template <class Loop>
    void RunLoop(Loop&& loop);
    template <class BlockTerms, class StepOnce>
    void TimeLoop(BlockTerms&& blockTerms, StepOnce&& stepOnce);
    // Stage by stage.
    template <int N>
    void Derivatives(const double* sourceTerms, const double* conc, double* dconc, double* dload);
    template <int N>
    void Step(const StepTimes& times, const double* atStart, const double* atMiddle,
              const double* atEnd);
    template <int N>
    void StageLoop();
    // As a linear map.
    struct StepMap;
    void WorkStepMap(double h, StepMap& map) const;
    void PrepareStepMaps();
    void CarriedBlockTerms(const StepTimes* times, size_t steps, bool firstBlock);
    template <int N>
    void SourceChanges(const StepTimes* times, size_t steps);
    template <int N>
    void MapStep(const StepMap& map, size_t step, double* x);
    template <int N>
    void MapLoop();
    void Saturate();
    double Saturated(size_t n, double c);
    void Expose(double t, double h, long step);
    const PatternEntry* PersonAt(double t) const;

    int zones_ = 0;
    std::vector<double> volume_;
    std::vector<double> conc_;
    std::vector<double> initialConc_;
    std::vector<double> condensed_;
    std::vector<Flow> flows_;
    std::vector<Source> sources_;
    std::vector<Sink> sinks_;
    std::string parseError_;
    std::string refusal_;
    size_t parsingLine_ = 0;  // index of the line being parsed
    size_t timesLine_ = 0;    // index of the last STARTTIME or ENDTIME line
    std::vector<PatternEntry> primary_;
    std::vector<PatternEntry> secondary_;
    std::vector<PatternEntry> override_;
    std::array<bool, 8> primaryDays_{};

    double saturation_ = 1e300;
    double startTime_ = 0;
    double endTime_ = 0;
    double reportInterval_ = 0;
    double eventsPerYear_ = 0;
    double bodyWeight_ = 0;
    double yearsExposure_ = 0;
    double averageLifetime_ = 0;
    double outputUnits_ = 1.0;
    bool outputPpm_ = false;
    double airFlowMultiplier_ = 1.0;
    double emissionMultiplier_ = 1.0;
    double firstOrderMultiplier_ = 1.0;
    double adsorptionMultiplier_ = 1.0;
    double desorptionMultiplier_ = 1.0;
    int monteCarloCount_ = 0;
    int monteCarloSeed_ = 0;
    std::array<MonteCarloLine, 5> monteCarlo_{};

    double currentTime_ = 0;
    double massInhaled_ = 0;
    double integratedConc_ = 0;
    double volumeInhaled_ = 0;
    double peak_ = 0;
    double exposureConc_ = 0;
    double highest24HourDose_ = 0;
    double highestTime_ = 0;
    double hourDose_ = 0;
    std::array<double, 24> rollingSums_{};
    int rollingIndex_ = 0;
    long hourMarkStep_ = 0;

    // Work arrays of the time loop and per-run constants, made once before the first step.
    std::vector<double> stage_;      // 4 stages x states
    std::vector<double> trial_;      // states (nodes, then sinks)
    std::vector<double> loadStage_;  // 4 stages x sinks
    // The flows' terms of the derivative, node by node and within a node in flow order.
    std::vector<double> termRate_;        // rate x multiplier, negative for a flow out of the node
    std::vector<double> termVolume_;      // volume of the term's node
    std::vector<int> termOf_;             // node whose concentration the term takes
    std::vector<size_t> nodeTermEnd_;     // per node, one past its last term
    std::vector<double> perDay_;          // mass / duration of each source
    std::vector<DecaySteps> decaySteps_;  // per source
    std::vector<double> termScale_;       // emission multiplier / volume of each source's node
    std::vector<size_t> sourceOrder_;     // sources in a node of the model, node by node
    std::vector<size_t> nodeSourceEnd_;   // per node, one past its last in sourceOrder_
    // The source terms (E x multiplier / V, in sourceOrder_) at the start, middle and end of a
    // block of steps, row 2 i + 1 the middle of its step i; and the times of those steps.
    std::vector<double> sourceTermRows_;   // (2 kBlockSteps + 1) x sources in the model
    std::vector<StepTimes> blockTimes_;    // kBlockSteps
    std::vector<DecayClock> decayClocks_;  // per source: from its start, from its duration's end
    long blockNumber_ = 0;                 // of the mapped loop's block
    // A step of the model's equations is linear in the state (the nodes' concentrations, then
    // the sinks' loadings) and in the source terms: its change of the state is `state` x the
    // state plus, for each source in sourceOrder_, its terms at the step's start, middle and end
    // times the source's three columns.
    struct StepMap {
        std::vector<double> state;    // states x states, row by row
        std::vector<double> sources;  // per source: the start, middle and end columns
    };
    StepMap fullStepMap_;  // a step of kStep
    StepMap lastStepMap_;  // the run's last step, which may be shorter
    // The mapped steps' source terms: per source in sourceOrder_ 2 kBlockSteps + 1 (a block's
    // start, then the middle and end of each step); and the sources' part of each step's change,
    // per state kBlockSteps.
    std::vector<double> carriedTerms_;
    std::vector<double> sourceChange_;
    mutable const std::vector<PatternEntry>* personList_ = nullptr;
    mutable size_t personIndex_ = 0;
    mutable double dayStart_ = 0;  // 7 x week + day of personList_
    double overrideEnd_ = 0;
};

}  // namespace consumer
