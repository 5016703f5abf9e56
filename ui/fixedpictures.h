// SPDX-FileCopyrightText: 2026 The Quorix developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QImage>

// The screens' own fixed pictures, drawn by tools/picgen into ui/pictures and
// compiled in as pixels (see pictures/rawpixels.cpp). Each returns an image
// over the program's own read-only data; nothing is decoded.
namespace quorix::fixedpictures {
QImage menuIllustration(); // Form1 Picture1, 246 x 195
QImage questionDecoration(); // Form2 Picture4, 246 x 195
QImage chartLogo(); // Form3 Picture5, 240 x 240
QImage exerciseLogo(); // Form4 / Form5 logo
} // namespace quorix::fixedpictures
