#pragma once

#include <QString>

class Settings;
struct PreferencesState;
struct ColourTable;

// Writes the factory values (first start and the /FIX repair); every other key is kept.
void factoryReset(const Settings &settings, PreferencesState &preferences, ColourTable &colours,
                  const QString &programFolder);
