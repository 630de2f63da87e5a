// The CPU time per iteration of every benchmark run, kept by name so that a program can print
// its ratios and aims after the runs. CPU time stays meaningful when other work shares the
// machine.
#pragma once

#include <benchmark/benchmark.h>
#include <map>
#include <string>
#include <vector>

class CpuTimeRecorder : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& r : runs)
            if (r.run_type == Run::RT_Iteration && !r.error_occurred)
                ns_[r.benchmark_name()] = r.GetAdjustedCPUTime() * multiplier(r.time_unit);
        ConsoleReporter::ReportRuns(runs);
    }
    double ns(const std::string& name) const {
        auto it = ns_.find(name);
        return it == ns_.end() ? 0 : it->second;
    }
    const std::map<std::string, double>& all() const { return ns_; }

private:
    static double multiplier(benchmark::TimeUnit u) {
        switch (u) {
        case benchmark::kNanosecond:
            return 1;
        case benchmark::kMicrosecond:
            return 1e3;
        case benchmark::kMillisecond:
            return 1e6;
        case benchmark::kSecond:
            return 1e9;
        }
        return 1;
    }
    std::map<std::string, double> ns_;
};
