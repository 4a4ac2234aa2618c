// One running copy only: a lock file named after "Mojimaru_G" in the temporary folder, held
// until the process ends.
#pragma once

#include <QString>

// True when this copy may run (it now holds the lock); false when another copy holds it.
bool AcquireSingleInstance(const QString& name = QStringLiteral("Mojimaru_G"));
