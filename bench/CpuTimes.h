#pragma once
// A console reporter that also keeps the CPU time of every benchmark by name, so a program can
// print its ratios after the runs. CPU time is steadier than wall time on a busy machine; with
// repetitions the median stands for the benchmark.

#include <benchmark/benchmark.h>

#include <map>
#include <string>
#include <vector>

namespace tarlix::bench {

class CpuTimes : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& run : runs)
            if (run.run_type == Run::RT_Iteration || run.aggregate_name == "median")
                times_[run.run_name.str()] = run.GetAdjustedCPUTime();
        ConsoleReporter::ReportRuns(runs);
    }
    // In the benchmark's time unit; 0 for one that did not run.
    double operator[](const std::string& name) const {
        const auto it = times_.find(name);
        return it == times_.end() ? 0 : it->second;
    }

private:
    std::map<std::string, double> times_;
};

} // namespace tarlix::bench
