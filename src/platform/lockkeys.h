#pragma once

#include <memory>

// Reads the keyboard's lock indicators. Where the desktop cannot tell (no X11 display),
// every indicator reads as off.
class LockKeys {
public:
    struct State {
        bool caps = false;
        bool num = false;
        bool scroll = false;
        bool operator==(const State &other) const
        {
            return caps == other.caps && num == other.num && scroll == other.scroll;
        }
    };

    virtual ~LockKeys() = default;
    virtual State read() const = 0;

    // The implementation for the running desktop.
    static std::unique_ptr<LockKeys> forDesktop();
};
