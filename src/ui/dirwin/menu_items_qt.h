// Builders of the directory windows' menu items: named actions and
// submenus, and an entry name as a menu caption.
#pragma once

#include <QAction>
#include <QKeySequence>
#include <QMenu>
#include <string>

#include "ui/frame/shown_text_qt.h"

inline QAction* MenuItem(QMenu* menu, const QString& name, const char* caption,
                         const QKeySequence& shortcut = {}) {
    QAction* a = menu->addAction(caption);
    a->setObjectName(name);
    if (!shortcut.isEmpty()) a->setShortcut(shortcut);
    return a;
}

inline QMenu* SubMenu(QMenu* parent, const char* name, const char* caption) {
    QMenu* m = parent->addMenu(caption);
    m->setObjectName(name);
    return m;
}

inline QMenu* TopMenu(QWidget* owner, const char* name, const char* caption) {
    auto* m = new QMenu(caption, owner);
    m->setObjectName(name);
    return m;
}

// An entry name in a caption: "&" is shown, not taken as a mnemonic.
inline QString MenuText(const std::string& s) { return ShownQText(s).replace("&", "&&"); }
