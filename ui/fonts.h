#pragma once

#include <QFont>

namespace quorix {

// The screens and the report ask for "MS Sans Serif" and Arial; neither exists
// here and fontconfig would give DejaVu Sans, so both map to Liberation Sans,
// which has the same metrics as Arial. Safe to call more than once.
void installFontSubstitutions();

// Bold "MS Sans Serif" at the given size: the font of every caption and
// printed text unless a screen says otherwise. Installs the substitutions.
QFont screenFont(double pointSize = 9.75, bool bold = true);

} // namespace quorix
