#pragma once

#include <span>

// A dialog described as data: the dialog's size and font, and one row per control with its id,
// kind, text and rectangle, all in dialog units. The tables themselves live with the other
// resources; a TemplateDialog (pages/templatedialog.h) turns a table into widgets.

enum class ItemKind {
    PushButton,    // a button
    DefPushButton, // the button Enter presses
    Text,          // static text, left-aligned
    CentredText,   // static text, centred
    RightText,     // static text, right-aligned
    Icon,          // a program icon, drawn at the item's size
    Picture,       // a bitmap, centred in the item at its own size
    TabControl,    // the page selector of the main dialog
    Edit,          // one-line edit field
    CheckBox,      // check box with its label
    RadioButton,   // radio button with its label
    GroupBox,      // frame with a title around other items
    MultiLineEdit, // edit field of several lines that wraps
    ComboBox,      // drop-down list with an edit field
    ListBox,       // a plain list of texts
    Custom,        // a place the page fills with a control of its own (TemplateDialog::replaceItem)
};

// Items that are never addressed by id (most static items) use kNoId.
inline constexpr int kNoId = -1;

struct DialogItem {
    int id;
    ItemKind kind;
    const char* text; // label; empty for icons and pictures
    int x, y, cx, cy; // dialog units, relative to the dialog's client area
    int picture = 0;  // resource id of the icon or picture
};

struct DialogTable {
    int id;
    int cx, cy;       // size in dialog units
    const char* font; // the font the dialog was designed with
    int pointSize;
    std::span<const DialogItem> items;
};
