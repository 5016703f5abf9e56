// SPDX-FileCopyrightText: 2026 The Quorix developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

namespace quorix {

// The question screen's statement and explanation boxes, in twips. The bank
// checker measures a bank's texts against these same boxes.
struct TwipsBox {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

inline constexpr TwipsBox statementBox{120, 720, 11415, 1695}; // Label1
inline constexpr TwipsBox explanationBox{7080, 3000, 7815, 3615}; // Label3
inline constexpr double statementPointSize = 12;

} // namespace quorix
