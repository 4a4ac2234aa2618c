// SPDX-License-Identifier: GPL-3.0-or-later
// How often the screen is drawn: the presentation redraws moving pictures once per refresh.
#pragma once

class QScreen;

// Milliseconds between two refreshes of `screen` (60 Hz when it does not say), at least 1.
int DisplayFrameMs(const QScreen* screen);
