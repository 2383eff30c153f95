#pragma once

// Timing a piece of work against its floor in one run.

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstddef>
#include <string>
#include <vector>

// How long the work takes, for a benchmark that times only part of an iteration.
template <class Work> double Seconds(Work work)
{
    const auto start = std::chrono::steady_clock::now();
    work();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

// Work meant to meet memory as it stands long after it was written, not in the cache
// where a small list would fit and a large one not, runs after this.
inline void EvictCaches()
{
    // Read, not written, so that no write-back of it falls into the timed part; one byte
    // of each cache line brings in the whole line.
    constexpr std::size_t CacheLine = 64;
    static const std::vector<unsigned char> other(std::size_t{256} << 20, 1);
    std::size_t sum = 0;
    for (std::size_t at = 0; at < other.size(); at += CacheLine)
        sum += other[at];
    benchmark::DoNotOptimize(sum);
}

// Runs the two, the one first in an even turn going second in an odd one.
template <class One, class Other> void InTurns(std::size_t turn, One one, Other other)
{
    if (turn % 2 == 0) {
        one();
        other();
    } else {
        other();
        one();
    }
}

// A work and its floor take turns within a repetition, the one first in one iteration
// going second in the next, so that neither always inherits the other's dirty pages or
// warm caches and a load on the machine that comes and goes weighs on both alike. The
// work's time is the iteration's (manual time); the ratio is of the repetition's sums.
class FloorTurns {
public:
    explicit FloorTurns(benchmark::State& state) : state_(state) {}

    // After the repetition's last iteration: the floor's mean time and the ratio.
    void Report(const std::string& ratioName) const
    {
        state_.counters["floor_ms"] = floor_ / static_cast<double>(state_.iterations()) * 1e3;
        state_.counters[ratioName] = work_ / floor_;
    }

    double WorkSeconds() const { return work_; }

    // `prepare` runs untimed before each of the two.
    template <class Prepare, class Floor, class Work> void Turn(Prepare prepare, Floor floor, Work work)
    {
        Turn(prepare, floor, prepare, work);
    }

    // Each of the two after its own untimed preparation.
    template <class PrepareFloor, class Floor, class PrepareWork, class Work>
    void Turn(PrepareFloor prepareFloor, Floor floor, PrepareWork prepareWork, Work work)
    {
        double seconds = 0;
        const auto timeFloor = [&] {
            prepareFloor();
            floor_ += Seconds(floor);
        };
        const auto timeWork = [&] {
            prepareWork();
            seconds = Seconds(work);
        };
        InTurns(turn_++, timeFloor, timeWork);
        work_ += seconds;
        state_.SetIterationTime(seconds);
    }

private:
    benchmark::State& state_;
    double floor_ = 0;
    double work_ = 0;
    std::size_t turn_ = 0;
};

// Repetitions are summed up by their median with their least and greatest, as figures
// are given.
inline void WithLeastAndGreatest(benchmark::internal::Benchmark* benchmark)
{
    benchmark->ComputeStatistics("min", [](const std::vector<double>& values) {
        return *std::min_element(values.begin(), values.end());
    });
    benchmark->ComputeStatistics("max", [](const std::vector<double>& values) {
        return *std::max_element(values.begin(), values.end());
    });
}
