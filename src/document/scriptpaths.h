#pragma once

#include "platform/prompts.h"

#include <QString>

// The folder the open dialog starts in, from a stored script path: "/" for the root or a
// path ending in "/", the text before the last "/" otherwise, "NO PATH" when there is none.
QString folderOfPath(const QString &path);

// The type lists of the script open and save dialogs; the fifth entry is preselected.
QList<Prompts::FileFilter> scriptFilters();
// The shorter list of the save-changes prompt's dialogs.
QList<Prompts::FileFilter> shortScriptFilters();
inline constexpr int PreselectedScriptFilter = 4;
