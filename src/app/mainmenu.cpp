#include "mainmenu.h"

#include <QMenu>
#include <QMenuBar>

#include <vector>

namespace {

// One entry of the menu table; a caption of "-" is a separator, children make a submenu.
struct MenuEntry {
    const char *name;
    const char *caption;
    const char *shortcut = "";
    std::vector<MenuEntry> children = {};
    bool checkable = false;
};

const std::vector<MenuEntry> &menuTable()
{
    static const std::vector<MenuEntry> table = {
        {"mnuFile", "&File", "", {
            {"mnuNewB", "&New"},
            {"mnuFileItem(0)", "&Open..."},
            {"mnuFileItem(1)", "&Save"},
            {"mnuFileItem(2)", "Save &As..."},
            {"mnuFileItem(3)", "&Close"},
            {"mnuFileItem(4)", "-"},
            {"mnuRecent", "Recent", "", {
                {"mnuRec1", "Untitled"},
                {"mnuRec2", "Untitled"},
                {"mnuRec3", "Untitled"},
                {"mnuRec4", "Untitled"},
                {"mnuRecMore", "More..."},
            }},
            {"mnuhjkds", "-"},
            {"mnuPrint", "P&rinter Setup"},
            {"mnuPrtt", "Print"},
            {"mnudev", "-"},
            {"mnuFileExit(5)", "E&xit"},
        }},
        {"mnuEdit", "&Edit", "", {
            {"mnuUndo", "&Undo"},
            {"mnuEditItem(0)", "Cu&t"},
            {"mnuEditItem(1)", "C&opy"},
            {"mnuEditItem(2)", "&Paste"},
            {"mnuSelectAll", "&Select All"},
            {"mnudevII", "-"},
            {"mnuClipB", "C&lipboard"},
            {"mnudev92", "-"},
            {"mnuFnd", "&Find"},
            {"mnuAgain", "Find &Again", "F3"},
            {"mnuRplc", "&Replace"},
        }},
        {"programMenu", "&Program", "", {
            {"DebugProgram", "&Debug", "", {
                {"mnuRunWhole", "&Whole Script"},
                {"mnuRunSelected", "&Selected Text"},
                {"mnuDebugCur", "&To Cursor"},
            }},
            {"mnuSyntax", "Check &Syntax", "", {
                {"mnuWholeScript", "&Whole Script"},
                {"mnuSelectedTxt", "&Selected Text"},
                {"mnuChkSynCur", "&To cursor"},
            }},
            {"mnuFindSub", "&Highlight Sub", "Ctrl+F"},
            {"mnuParseHTML2", "&Parse HTML"},
            {"mnuGotoL", "&Goto Line #", "Ctrl+G"},
            {"mnxDev10", "-"},
            {"mnuRun2", "R&un"},
            {"RunProgram", "&Run w/switches"},
            {"mnuRunToC", "&Run To Cursor", "", {
                {"mnuWithSw", "&With Switches"},
                {"mnuWOSwitch", "With&out Switches"},
            }},
            {"mnuRunSelTex", "R&un Selected Text", "", {
                {"mnuRSelTSw", "&With Switches"},
                {"mnuRunSelWoSw", "With&out Switches"},
            }},
            {"mnuRunCGI", "Run as &CGI"},
            {"mnuos", "-"},
            {"mnuCompile", "&Compile to EXE"},
        }},
        {"mnuTools", "&Tools", "", {
            {"MnuVwmnu", "&View", "", {
                {"mnuShowTB", "&Show Toolbar", "Ctrl+T", {}, true},
                {"mnuToolBox", "&File/Edit ToolBox", "", {}, true},
                {"mnuProgTbx", "&Program ToolBox", "", {}, true},
            }},
            {"mnuisdaklh", "-"},
            {"mnuscrp", "Scratch &Pad", "F2"},
            {"mnuRouteWiz", "C&ode Wizard", "F7"},
            {"mnuSubLib", "&Sub Library", "F4"},
            {"mnuBldr", "&Library Builder", "F5"},
            {"mnuHtml", "&Import HTML File", "F6"},
            {"mnulskk", "-"},
            {"MnuShortct", "Shortcuts", "", {
                {"mnuLineFeed", "\\n\";", "Ctrl+L"},
                {"MnuTab", "print MAIL \"", "Ctrl+R"},
                {"mnuPrt", "print \"", "Ctrl+P"},
                {"mnudie", "die;", "Ctrl+D"},
                {"mnucmt", "######", "Ctrl+K"},
                {"mnusub", "sub ", "Ctrl+S"},
                {"mnuHtmT", "print \"Content-type: text/html\\n\\n\";", "Ctrl+H"},
                {"mnuif", "if (", "Ctrl+I"},
                {"mnuext", "exit;", "Ctrl+E"},
                {"mnuUserKey1", "UserDefined 1", "Ctrl+F1"},
                {"mnuUserKey2", "UserDefined 2", "Ctrl+F2"},
                {"mnuUserKey3", "UserDefined 3", "Ctrl+F3"},
                {"mnuUserKey4", "UserDefined 4", "Ctrl+F4"},
                {"mnuUserKey5", "UserDefined 5", "Ctrl+F5"},
            }},
            {"mnuLaunch", "&Launch", "", {
                {"mnuDosWindow", "&Dos Window", "Shift+F1"},
                {"mnuNotepad", "&Notepad", "Shift+F2"},
                {"mnuWordpad", "&Wordpad", "Shift+F3"},
                {"mnuUserLaunch1", "User Defined Key", "Ctrl+Shift+F1"},
                {"mnuUserLaunch2", "User Defined Key", "Ctrl+Shift+F2"},
                {"mnuUserLaunch3", "User Defined Key", "Ctrl+Shift+F3"},
                {"mnuUserLaunch4", "User Defined Key", "Ctrl+Shift+F4"},
                {"mnuUserLaunch5", "User Defined Key", "Ctrl+Shift+F5"},
            }},
        }},
        {"mnuSettings", "&Options", "", {
            {"mnuSettingsFont", "&Font", "", {
                {"mnuFontStyle(0)", "Arial"},
                {"mnuTimesNew", "Times New Roman"},
                {"mnuCourier", "Courier New"},
            }},
            {"mnuSettingsItem(1)", "&Font Sizes", "", {
                {"mnuFontSizesItem(0)", "8", "", {}, true},
                {"mnuFontSizesItem(1)", "9", "", {}, true},
                {"mnuFontSizesItem(2)", "10", "", {}, true},
                {"mnuFontSizesItem(3)", "11", "", {}, true},
                {"mnuFontSizesItem(4)", "12", "", {}, true},
                {"mnuFontSizesItem(5)", "13", "", {}, true},
                {"mnuFontSizesItem(6)", "14", "", {}, true},
            }},
            {"mnuWrap", "&Text Wrap", "", {
                {"mnuWrapOn", "On"},
                {"mnuWrapOff", "Off"},
            }},
            {"mnuRef", "&Refresh Color Coding", "", {
                {"mnuColorCode", "&Whole script"},
                {"mnucolorsel", "&Selected Text"},
            }},
            {"mnuCrWiz", "&Create Wizard"},
            {"mnedev", "-"},
            {"mnuDefColor", "&Define Syntax Colors"},
            {"mnuPP", "&Preferences"},
        }},
        {"mnuHelp", "&Help", "", {
            {"mnuWhatNew", "&What's New"},
            {"mnuVMRHelp", "&Menu Item Help"},
            {"mnuEditorFeHlp", "&Editor Features Help"},
            {"mnusep", "-"},
            {"mnuChkUpdate", "&Check For Update"},
            {"mnusp2", "-"},
            {"mnuAbout", "&About"},
        }},
    };
    return table;
}

const std::vector<MenuEntry> &popupTable()
{
    static const std::vector<MenuEntry> table = {
        {"mnuPCut", "Cut"},
        {"mnuPCopy", "Copy"},
        {"mnuPPaste", "Paste"},
        {"mnuPClipboard", "Clipboard"},
        {"mnuPSep1", "-"},
        {"mnuPRunMenu", "Run", "", {
            {"mnuPRunScript", "script", "", {
                {"mnuPrun", "whole script"},
                {"mnuPRwsw", "selected text"},
            }},
            {"mnuPRunSwitches", "w/switches", "", {
                {"mnuPRunSw", "whole script"},
                {"mnuPRuSelTxt", "selected text"},
            }},
            {"mnuPRunToCursor", "to cursor", "", {
                {"mnuPrunwsw", "with switches"},
                {"mnuPRuntoCur", "without switches"},
            }},
        }},
        {"mnuPDebugMenu", "Debug", "", {
            {"mnuPDebug", "script"},
            {"mnuPDbSelTx", "selected text"},
            {"mnuPdbtocur", "to cursor"},
        }},
        {"mnuPCheckMenu", "Check syntax", "", {
            {"mnuPwholechk", "script"},
            {"mnuPChksel", "selected text"},
            {"mnuPChktoCur", "to cursor"},
        }},
        {"mnuPHighlight", "Highlight sub"},
        {"mnuPSep2", "-"},
        {"mnuParseHTML", "Parse HTML"},
        {"mnuSendto", "Send to scratchpad"},
        {"mnuPSep3", "-"},
        {"mnuPSelColor", "Color code selected"},
        {"mnuPGoto", "Goto line"},
    };
    return table;
}

void addEntries(QMenu *menu, const std::vector<MenuEntry> &entries)
{
    for (const MenuEntry &entry : entries) {
        const QString name = QString::fromLatin1(entry.name);
        if (!entry.children.empty()) {
            QMenu *submenu = menu->addMenu(QString::fromUtf8(entry.caption));
            submenu->setObjectName(name);
            submenu->menuAction()->setObjectName(name);
            addEntries(submenu, entry.children);
            continue;
        }
        QAction *action = QString::fromLatin1(entry.caption) == QLatin1String("-")
            ? menu->addSeparator()
            : menu->addAction(QString::fromUtf8(entry.caption));
        action->setObjectName(name);
        action->setCheckable(entry.checkable);
        if (*entry.shortcut)
            action->setShortcut(QKeySequence(QString::fromLatin1(entry.shortcut)));
    }
}

} // namespace

QMenu *buildPopupMenu(QWidget *parent)
{
    auto *popup = new QMenu(QStringLiteral("Pop Up"), parent);
    popup->setObjectName(QStringLiteral("mnuPopup1"));
    addEntries(popup, popupTable());
    return popup;
}

void buildMainMenu(QMenuBar *menuBar)
{
    for (const MenuEntry &menu : menuTable()) {
        QMenu *top = menuBar->addMenu(QString::fromUtf8(menu.caption));
        top->setObjectName(QString::fromLatin1(menu.name));
        top->menuAction()->setObjectName(QString::fromLatin1(menu.name));
        addEntries(top, menu.children);
    }
}
