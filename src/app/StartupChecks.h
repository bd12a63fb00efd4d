#pragma once

#include <QString>

// Why the program cannot keep its log at logPath (in folder), or the empty
// text when it can. Only looks: nothing is created or changed, so that a
// start that must give up leaves the folder as it found it.
QString LogLocationProblem(const QString &folder, const QString &logPath);
