// The program directory: every file the program reads or writes lies beside the executable.
#pragma once

#include <QString>

// Sets Exe_Dir from the running program's path (or, in tests, from a given folder).
void SetProgramDir(const QString& dir);
void SetProgramDirFromApplication();

// The full path of a file of the program directory. Names are matched without regard to letter
// case ("game21.mid" finds "Game21.mid"); a name not found keeps its spelling.
QString ProgramFile(const QString& name);
