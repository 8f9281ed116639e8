#pragma once

class QMenu;
class QMenuBar;
class QWidget;

// Builds the main window's menu bar: every menu, submenu and item with its object name,
// caption, access key and shortcut, in order. Items are QActions (submenus are QMenus whose
// menuAction carries the same name); the window finds them by name to connect commands.
void buildMainMenu(QMenuBar *menuBar);

// Builds the right-button menu of the script (mnuPopup1), which never shows in the menu bar.
QMenu *buildPopupMenu(QWidget *parent);
