// The menu bar, declared once: every item and sub-item with its upper-case
// name, caption, parent, handler and check mark at window creation.
//
// Rows are in display order. An item that is some row's parent is a menu; its
// handler (if any) runs when the menu opens. Any other item is a command whose
// handler runs when it is chosen; a command without a parent sits directly on
// the bar. Every handler is the Form1 method named after the item.
#pragma once

#include <span>

#include <QString>

#include "game/Form1.h"

namespace zelkora {

struct MenuItem {
    const char* name;            // also the QAction's objectName
    Text caption;                // its caption in the table of texts
    const char* parent;          // nullptr: on the menu bar
    void (Form1::*handler)();    // nullptr: nothing runs
    bool checked;                // check mark when the window is created
    const char* shortcut = nullptr;   // key sequence such as "Ctrl+Z"; nullptr: none
    // The letter of Alt + letter for an item of the bar, underlined: in the
    // caption where it holds the letter ("&Game"), else after it ("対局(&G)").
    // The same letter in both languages, different on the bar. 0: none.
    char mnemonic = 0;
};

// The caption with its mnemonic marked.
QString withMnemonic(const QString& caption, char mnemonic);

std::span<const MenuItem> menuTable();

}  // namespace zelkora
