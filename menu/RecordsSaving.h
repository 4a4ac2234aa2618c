// SPDX-License-Identifier: GPL-3.0-or-later
// The records are saved whenever they change, not only by the end button: after a registration,
// a levelling credit and a result the ranking screen entered, and before the program ends any
// other way (the window closed, the session ending, SIGTERM, SIGHUP). A save that fails while a
// child plays shows the file error report once, until a save succeeds again, and play goes on.
#pragma once

class QWidget;

namespace RecordsSaving {
// After the records loaded: saves on every change and at every ending from now on.
void start(QWidget* menu);
// No more saving (the main menu goes).
void stop();
// How a failed save is told: a line on the error output (the session is going), the save error
// report once until a save succeeds (saving during play), or, when the program was asked to
// end, the question whether to end without saving.
enum class Report { Quiet, Once, AskToEnd };
// Saves when the tables differ from the files; false when a save was needed and failed (with
// AskToEnd: and the answer was to stay).
bool saveChanges(Report report);
} // namespace RecordsSaving
