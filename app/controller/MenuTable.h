#pragma once

#include "CommandId.h"
#include "ProCommandId.h"

#include <QString>
#include <span>

// The window's menus, tool bar, tool box and view context menu as data: the object
// names, captions and tool tips the window shows and the command each one sends. The
// window builds its controls from these rows; a new menu item is a new row.
class MenuTable {
public:
    struct MenuRow {
        enum class Kind {
            Menu,      // a menu of the menu bar; the rows up to the next Menu are its own
            SubMenu,   // a menu inside the current one, up to its End
            End,       // closes the sub-menu
            Item,      // a menu item
            Separator, // a line between items
            Recent,    // the recently opened files (filled by the program)
            Levels,    // one checkable item a difficulty level
            Sizes,     // one checkable item a window size
        };
        // What choosing the item does besides (or instead of) sending its command.
        enum class Does { Command, DrawMode, ProInterface, Nothing };
        Kind kind;
        const char* name;
        const char* caption = ""; // UTF-8
        CommandId command = CommandId::BootZelk;
        Does does = Does::Command;
        int shortcut = 0; // Qt key combination; 0 for none
        bool checkable = false;
        bool hidden = false;
        bool disabled = false;
    };
    struct ToolRow {
        const char* name; // nullptr for a separator
        const char* toolTip;
        CommandId command;
    };
    struct ToolBoxRow {
        CommandId command;
        int times;
        const char* toolTip;
        const char* caption = nullptr; // a word beside the picture, or none
    };
    struct ProButtonRow {
        ProCommandId command;
        const char* caption; // "" for a button that shows an icon
        const char* toolTip; // "" for none
    };
    struct ContextRow {
        const char* caption; // nullptr for a separator
        CommandId command;
    };

    // A caption or tool tip of these rows in the user's language (the Japanese text is
    // the source; English comes from the program's translation).
    static QString Tr(const char* text);

    static std::span<const MenuRow> Menus();
    // The tool bar, left to right; the undo and redo buttons follow after a separator.
    static std::span<const ToolRow> ToolBar();
    // The drawing tool box, its buttons in index order.
    static std::span<const ToolBoxRow> ToolBox();
    // The detailed-input panel's buttons, in index order.
    static std::span<const ProButtonRow> ProButtons();
    // The view's context menu; undo and redo take their captions from the edit menu.
    static std::span<const ContextRow> ViewContextMenu();
};
