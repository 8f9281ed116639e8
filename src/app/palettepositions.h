#pragma once

class Settings;

// Where the two tool palettes stand, in twips, with the stored values or their defaults
// (a stored 1 means "not set").
struct PalettePositions {
    double fileLeft = 210;
    double fileTop = 1350;
    double progLeft = 240;
    double progTop = 4275;

    static PalettePositions load(const Settings &settings);
    // Written at program end: file palette left and top, then program palette left and top.
    void save(const Settings &settings) const;
};
