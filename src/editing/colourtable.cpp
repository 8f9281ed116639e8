#include "colourtable.h"

#include "app/settings.h"

ColourTable ColourTable::factory()
{
    ColourTable table;
    table.entries = {{{QStringLiteral("exit;"), 255},
                      {QStringLiteral("print"), 16711680},
                      {QStringLiteral("sub"), 128},
                      {QStringLiteral("$"), 65408},
                      {QStringLiteral("@"), 32768},
                      {QStringLiteral("open"), 16744448}}};
    return table;
}

ColourTable ColourTable::load(const Settings &settings)
{
    const QString section = QLatin1String(keys::SyntaxHighlighting);
    ColourTable table;
    for (int i = 0; i < Size; ++i) {
        table.entries[i].word = settings.store().read(section, keys::wordName(i + 1));
        const double colour = Settings::numberOr1(settings.store().read(section, keys::wordColourName(i + 1)));
        table.entries[i].colour = colour >= 0 && colour <= 0xFFFFFF ? int(colour) : 1;
    }
    return table;
}

void ColourTable::save(const Settings &settings) const
{
    const QString section = QLatin1String(keys::SyntaxHighlighting);
    for (int i = 0; i < Size; ++i) {
        settings.store().write(section, keys::wordName(i + 1), entries[i].word);
        settings.store().write(section, keys::wordColourName(i + 1), QString::number(entries[i].colour));
    }
}
