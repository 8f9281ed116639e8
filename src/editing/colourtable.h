#pragma once

#include <QString>

#include <array>

class Settings;

// The six colour words and their colours (24-bit values, red + 256 green + 65536 blue).
struct ColourTable {
    struct Entry {
        QString word;
        int colour = 0;
        bool operator==(const Entry &other) const { return word == other.word && colour == other.colour; }
    };
    static constexpr int Size = 6;
    std::array<Entry, Size> entries;

    static ColourTable factory();
    static ColourTable load(const Settings &settings);
    // Writes w1, wc1, w2, wc2, ... w6, wc6 in this order.
    void save(const Settings &settings) const;

    bool operator==(const ColourTable &other) const { return entries == other.entries; }
};
