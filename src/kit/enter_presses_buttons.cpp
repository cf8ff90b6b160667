#include "enter_presses_buttons.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QKeyEvent>

namespace vinylix {

namespace {

bool is_plain_enter(const QKeyEvent& key) {
    const bool enter = key.key() == Qt::Key_Return || key.key() == Qt::Key_Enter;
    return enter && (key.modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
}

// Watches every key press the application delivers; only Enter on a focused button is taken.
class EnterPressesButtons : public QObject {
public:
    explicit EnterPressesButtons(QObject* parent) : QObject(parent) { setObjectName(name); }

    static inline const QString name = QStringLiteral("enter_presses_buttons");

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::KeyPress)
            return false;
        auto* button = qobject_cast<QAbstractButton*>(watched);
        const auto* key = static_cast<QKeyEvent*>(event);
        if (!button || !button->hasFocus() || !button->isEnabled() || !is_plain_enter(*key))
            return false;
        if (!key->isAutoRepeat())
            button->click();
        return true;
    }
};

} // namespace

void make_enter_press_buttons(QCoreApplication& application) {
    if (application.findChild<QObject*>(EnterPressesButtons::name, Qt::FindDirectChildrenOnly))
        return;
    application.installEventFilter(new EnterPressesButtons(&application));
}

} // namespace vinylix
