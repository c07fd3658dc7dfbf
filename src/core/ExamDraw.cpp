#include "ExamDraw.h"

#include <chrono>

std::vector<qint64> DrawItems(std::vector<qint64> candidates, int picks, std::mt19937_64& random) {
    const std::size_t count = candidates.size();
    const std::size_t wanted = picks < 0 ? 0 : std::min<std::size_t>(std::size_t(picks), count);
    for (std::size_t k = 0; k < wanted; ++k) {
        std::uniform_int_distribution<std::size_t> pick(k, count - 1);
        std::swap(candidates[k], candidates[pick(random)]);
    }
    candidates.resize(wanted);
    return candidates;
}

std::mt19937_64 FreshlySeededRandom() {
    std::random_device device;
    const auto now = std::chrono::high_resolution_clock::now().time_since_epoch().count();
    std::seed_seq seed{std::uint64_t(device()), std::uint64_t(device()), std::uint64_t(now)};
    return std::mt19937_64(seed);
}
