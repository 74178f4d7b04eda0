#pragma once

#include <algorithm>
#include <chrono>
#include <cmath>
#include <vector>

namespace vork::bench {

// The value at fraction `q` (0 to 1) of the sorted samples, nearest rank.
inline double Quantile(std::vector<double> samples, double q) {
    if (samples.empty()) {
        return NAN;
    }
    std::sort(samples.begin(), samples.end());
    const auto rank = static_cast<std::size_t>(std::ceil(q * static_cast<double>(samples.size())));
    return samples[std::clamp<std::size_t>(rank, 1, samples.size()) - 1];
}

inline double Median(const std::vector<double>& samples) { return Quantile(samples, 0.5); }
// The extremes need no sorted copy.
inline double Min(const std::vector<double>& samples) {
    return samples.empty() ? NAN : *std::min_element(samples.begin(), samples.end());
}
inline double Max(const std::vector<double>& samples) {
    return samples.empty() ? NAN : *std::max_element(samples.begin(), samples.end());
}

template <typename Duration>
double Milliseconds(Duration d) {
    return std::chrono::duration<double, std::milli>(d).count();
}

template <typename Duration>
double Seconds(Duration d) {
    return std::chrono::duration<double>(d).count();
}

}  // namespace vork::bench
