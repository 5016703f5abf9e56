#include "tools/check/keybalance.h"

#include <algorithm>
#include <cmath>

namespace quorix::check {

namespace {

constexpr int smallestTestedBank = 10;
constexpr double significance = 0.01;

double logChoose(int n, int k)
{
    return std::lgamma(n + 1.0) - std::lgamma(k + 1.0) - std::lgamma(n - k + 1.0);
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
    // smaller tail. Its terms grow up to `tail`; summing them relative to the
    // last in logarithms keeps 400 trials clear of overflow and underflow.
    const double logLast = logChoose(trials, tail) - trials * std::log(2.0);
    double sum = 0;
    for (int i = 0; i <= tail; ++i)
        sum += std::exp(logChoose(trials, i) - logChoose(trials, tail));
    return std::min(1.0, 2 * sum * std::exp(logLast));
}

QString lopsidedKeysWarning(int version, int trueKeys, int falseKeys)
{
    const int keys = trueKeys + falseKeys;
    if (keys < smallestTestedBank || binomialTwoSidedP(trueKeys, keys) >= significance)
        return {};
    const bool mostlyTrue = trueKeys > falseKeys;
    return QStringLiteral("%1 of %2 %3 statements are %4; the heading's version number predicts the answer")
        .arg(mostlyTrue ? trueKeys : falseKeys)
        .arg(keys)
        .arg(QLatin1String(version == 1 ? "first" : "second"))
        .arg(QLatin1String(mostlyTrue ? "true" : "false"));
}

} // namespace quorix::check
