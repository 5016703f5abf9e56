// SPDX-FileCopyrightText: 2026 The Quorix developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <random>

namespace quorix {

// The program-wide uniform generator: next() is always in [0, 1), never 1.
class RandomSource {
public:
    explicit RandomSource(std::uint64_t seed = 0) : m_engine(seed) { }
    void seed(std::uint64_t s) { m_engine.seed(s); }
    double next() { return double(m_engine() >> 11) * 0x1.0p-53; }
    // Int(r * n) + base
    int draw(int n, int base) { return int(next() * n) + base; }

private:
    std::mt19937_64 m_engine;
};

} // namespace quorix
