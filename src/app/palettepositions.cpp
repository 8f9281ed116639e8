#include "palettepositions.h"

#include "settings.h"

PalettePositions PalettePositions::load(const Settings &settings)
{
    const PalettePositions defaults;
    PalettePositions positions;
    positions.fileLeft = settings.palettePosition(keys::FileBoxLeft, defaults.fileLeft);
    positions.fileTop = settings.palettePosition(keys::FileBoxTop, defaults.fileTop);
    positions.progLeft = settings.palettePosition(keys::ProgBoxLeft, defaults.progLeft);
    positions.progTop = settings.palettePosition(keys::ProgBoxTop, defaults.progTop);
    return positions;
}

void PalettePositions::save(const Settings &settings) const
{
    settings.write(keys::FileBoxLeft, QString::number(fileLeft, 'g', 7));
    settings.write(keys::FileBoxTop, QString::number(fileTop, 'g', 7));
    settings.write(keys::ProgBoxLeft, QString::number(progLeft, 'g', 7));
    settings.write(keys::ProgBoxTop, QString::number(progTop, 'g', 7));
}
