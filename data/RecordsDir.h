// Where the program keeps what it writes for the children: the records folder.
#pragma once

#include <QString>

// The folder the records live in (ending in '/'): the program directory for now.
QString RecordsDir();
// The full path of a file of the records folder.
QString RecordsFile(const QString& name);
// Tests point the records at a folder; an empty one returns to the rule.
void SetRecordsDir(const QString& dir);
