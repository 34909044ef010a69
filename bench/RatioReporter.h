#pragma once

#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <string>

// Prints a benchmark's cost relative to its floor (time and the "bytes"
// counter) after the usual table.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    RatioReporter(std::string subject, std::string floor, std::string label)
        : m_subject(std::move(subject)), m_floor(std::move(floor)), m_label(std::move(label))
    {
    }

    void ReportRuns(const std::vector<Run>& runs) override
    {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs) {
            if (run.run_type != Run::RT_Iteration)
                continue;
            auto& r = m_results[run.run_name.function_name];
            r.real = run.GetAdjustedRealTime();
            r.cpu = run.GetAdjustedCPUTime();
            if (auto it = run.counters.find("bytes"); it != run.counters.end())
                r.bytes = it->second.value;
        }
    }

    void Finalize() override
    {
        ConsoleReporter::Finalize();
        const auto s = m_results.find(m_subject);
        const auto f = m_results.find(m_floor);
        if (s == m_results.end() || f == m_results.end() || f->second.real <= 0 || f->second.cpu <= 0 ||
            f->second.bytes <= 0)
            return;
        std::printf("%s: real time %.3fx, CPU time %.3fx, size %.4fx\n", m_label.c_str(),
                    s->second.real / f->second.real, s->second.cpu / f->second.cpu,
                    s->second.bytes / f->second.bytes);
    }

private:
    struct Result {
        double real = 0, cpu = 0, bytes = 0;
    };
    std::string m_subject, m_floor, m_label;
    std::map<std::string, Result> m_results;
};
