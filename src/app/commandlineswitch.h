#pragma once

#include <QString>

// What the editor's argument text asks for: one of the switches (any case), a script
// path (any other text, taken whole, quotes and blanks included), or nothing.
enum class StartSwitch { None, Draxil, ProjMgr, Fix, Script };

StartSwitch classifyArguments(const QString &argumentText);
