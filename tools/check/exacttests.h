// SPDX-FileCopyrightText: 2026 The Quorix developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

namespace quorix::check {

// Exact tests for the checker's rules on keys and wording. Both work in
// logarithms, so banks of 400 questions, and folders of many banks, neither
// overflow nor lose their smallest p-values to underflow.

// The exact two-sided binomial test at p = 0.5: how likely a split at least
// as uneven as `successes` of `trials` is when both outcomes are equally
// likely. 1 for an even split or no trials.
double binomialTwoSidedP(int successes, int trials);

// Fisher's exact test, two-sided, on the 2 x 2 table
//     a b
//     c d
// the sum of the probabilities, given the margins, of every table no more
// probable than this one. 1 when a margin is empty.
double fisherTwoSidedP(int a, int b, int c, int d);

} // namespace quorix::check
