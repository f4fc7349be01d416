#include "support/accessible_controls.h"

#include <QAccessible>
#include <QAccessibleInterface>
#include <QWidget>

namespace {
const char* kUnnamed = " (unnamed ";

void collect(QAccessibleInterface* node, QStringList& out) {
    if (!node || node->state().invisible) return;
    const QAccessible::State state = node->state();
    if (state.focusable) {
        const QString role = QString::number(node->role(), 16);
        const QString name = node->text(QAccessible::Name);
        const QObject* object = node->object();
        const QString id = !object                          ? QString()
                           : object->objectName().isEmpty() ? object->metaObject()->className()
                                                            : object->objectName();
        out << role + (name.isEmpty() ? kUnnamed + id + ")" : " " + name);
    }
    for (int i = 0; i < node->childCount(); ++i) collect(node->child(i), out);
}
}  // namespace

QStringList focusableControls(QWidget& window) {
    QStringList out;
    collect(QAccessible::queryAccessibleInterface(&window), out);
    return out;
}

QStringList unnamedControls(QWidget& window) {
    return focusableControls(window).filter(kUnnamed);
}
