#pragma once

// How a started program's window should appear.
enum class WindowState {
    Hidden,
    NormalFocus,
    MinimizedFocus,
    MaximizedFocus,
    NormalNoFocus,
    MinimizedNoFocus,
};
