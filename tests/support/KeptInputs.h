// SPDX-License-Identifier: GPL-3.0-or-later
// The fuzz seeds and kept regressions of one reader as data rows for a test.
#pragma once

#include <QString>

// Adds columns "path" and "seed", then rows "<reader>/<seed|regression>/<file>" from
// fuzz/corpus/<reader> and fuzz/regressions/<reader>. No file at all gives one row with an
// empty path, so the test fails rather than passing over nothing.
void KeptInputs(const QString& reader);
