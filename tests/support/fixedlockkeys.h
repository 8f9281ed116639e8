#pragma once

#include "platform/lockkeys.h"

// Lock indicators set by the test.
class FixedLockKeys : public LockKeys {
public:
    State state;
    State read() const override { return state; }
};
