// SPDX-FileCopyrightText: 2026 The Quorix developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tools/check/exacttests.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace quorix::check {

namespace {

double logChoose(int n, int k)
{
    return std::lgamma(n + 1.0) - std::lgamma(k + 1.0) - std::lgamma(n - k + 1.0);
}

// log(sum of exp(terms)), scaled by the largest term so that neither a sum
// of tiny terms nor one of huge terms leaves the range of a double.
double logSumExp(const std::vector<double> &terms)
{
    if (terms.empty())
        return -INFINITY;
    const double top = *std::max_element(terms.begin(), terms.end());
    double sum = 0;
    for (const double t : terms)
        sum += std::exp(t - top);
    return top + std::log(sum);
}

} // namespace

double binomialTwoSidedP(int successes, int trials)
{
    if (trials <= 0 || successes < 0 || successes > trials)
        return 1.0;
    const int tail = std::min(successes, trials - successes);
    if (2 * tail == trials)
        return 1.0;
    // The distribution is symmetric, so the two-sided value is twice the
    // smaller tail.
    std::vector<double> terms;
    for (int i = 0; i <= tail; ++i)
        terms.push_back(logChoose(trials, i) - trials * std::log(2.0));
    return std::min(1.0, 2 * std::exp(logSumExp(terms)));
}

double fisherTwoSidedP(int a, int b, int c, int d)
{
    if (a < 0 || b < 0 || c < 0 || d < 0)
        return 1.0;
    const int row1 = a + b;
    const int row2 = c + d;
    const int col1 = a + c;
    const int n = row1 + row2;
    if (row1 == 0 || row2 == 0 || col1 == 0 || col1 == n)
        return 1.0;
    // The top-left cell fixes the table; it follows the hypergeometric law.
    const auto logP
        = [&](int x) { return logChoose(row1, x) + logChoose(row2, col1 - x) - logChoose(n, col1); };
    const double observed = logP(a);
    // Tables as probable as the observed one count, though rounding may put
    // them a hair apart (R allows a relative 1e-7).
    const double limit = observed + std::log1p(1e-7);
    std::vector<double> terms;
    for (int x = std::max(0, col1 - row2); x <= std::min(row1, col1); ++x) {
        const double p = logP(x);
        if (p <= limit)
            terms.push_back(p);
    }
    return std::min(1.0, std::exp(logSumExp(terms)));
}

} // namespace quorix::check
