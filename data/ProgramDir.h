// SPDX-License-Identifier: GPL-3.0-or-later
// The program directory: the read-only data and media. In a program directory (the build tree's
// build/program) they lie beside the executable; an installed program (<prefix>/bin/mojimaru)
// finds them in <prefix>/share/mojimaru, so an install into any prefix or DESTDIR runs as it is.
#pragma once

#include <QString>

// Sets Exe_Dir to a given folder (tests); the program counts as not installed then.
void SetProgramDir(const QString& dir);
// Sets Exe_Dir from the running program's path. "Kanji.dat" beside the executable makes that
// folder the program directory; otherwise "../share/mojimaru/Kanji.dat" marks an installed
// program and that share folder becomes Exe_Dir.
void SetProgramDirFromApplication();
// Whether SetProgramDirFromApplication found the installed layout.
bool ProgramIsInstalled();
// The installed layout's data folder for an executable in exeDir, or empty when it has none.
QString InstalledDataDir(const QString& exeDir);

// The full path of a file of the program directory. Names are matched without regard to letter
// case ("game21.mid" finds "Game21.mid"); a name not found keeps its spelling.
QString ProgramFile(const QString& name);
// The same lookup in any folder.
QString FileInFolder(const QString& dir, const QString& name);
