#pragma once

class QWidget;

// Centres a window on its owner's window (on the screen when it has none) the first time it
// is shown; afterwards it stays wherever the user moves it.
void centreWhenFirstShown(QWidget *window);
