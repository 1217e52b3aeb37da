#pragma once
// A machine's NC files take the last three characters of its folder name as
// their extension ("sp2"): the editor's dialogs and names and the transfer's
// use the one rule.
#include <QString>

inline QString machineExtension(const QString& machine) { return machine.right(3); }
