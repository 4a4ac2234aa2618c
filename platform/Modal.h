// SPDX-License-Identifier: GPL-3.0-or-later
// Runs a window modally over its caller. Tests install a hook that drives the window instead of
// waiting for a person, then closes it.
#pragma once

#include <functional>

class QDialog;

int ExecModal(QDialog* dialog);
namespace Modal {
void setHook(std::function<int(QDialog*)> hook);  // empty: QDialog::exec()
}
