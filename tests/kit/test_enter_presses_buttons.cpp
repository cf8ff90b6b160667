#include "kit/enter_presses_buttons.h"
#include "support/test_registry.h"

#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

using namespace vinylix;

class EnterPressesButtonsTest : public QObject {
    Q_OBJECT
private slots:
    // Enter presses the focused button of any kind instead of the dialog's default button; a line
    // edit, a multi-line box and Enter with Shift keep their own meaning; a held Enter presses
    // once. (The main window's road test has a button outside a dialog.)
    void enter_presses_the_focused_button() {
        make_enter_press_buttons(*QCoreApplication::instance());
        const struct {
            const char* focus;
            Qt::Key key;
            Qt::KeyboardModifiers modifiers;
            bool held;
            QStringList pressed;
        } cases[] = {
            {"other", Qt::Key_Return, Qt::NoModifier, false, {"other"}},
            {"other", Qt::Key_Enter, Qt::KeypadModifier, false, {"other"}},
            {"check", Qt::Key_Return, Qt::NoModifier, false, {"check"}},
            {"line", Qt::Key_Return, Qt::NoModifier, false, {"ok"}}, // the dialog's default
            {"text", Qt::Key_Return, Qt::NoModifier, false, {}},     // a line break
            {"other", Qt::Key_Return, Qt::ShiftModifier, false, {}},
            {"other", Qt::Key_Return, Qt::NoModifier, true, {}},
        };
        for (const auto& c : cases) {
            QDialog dialog;
            QStringList pressed;
            const auto add = [&](auto* widget, const char* name) {
                widget->setObjectName(QString::fromLatin1(name));
                if (auto* button = qobject_cast<QAbstractButton*>(widget))
                    connect(button, &QAbstractButton::clicked,
                            [&pressed, name] { pressed += name; });
                return widget;
            };
            add(new QPushButton(&dialog), "ok")->setDefault(true);
            add(new QPushButton(&dialog), "other")->setAutoDefault(false);
            add(new QCheckBox(&dialog), "check");
            add(new QLineEdit(&dialog), "line");
            auto* text = add(new QPlainTextEdit(&dialog), "text");
            dialog.show();
            dialog.activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(&dialog));
            QWidget* focus = dialog.findChild<QWidget*>(c.focus);
            focus->setFocus();
            QKeyEvent press(QEvent::KeyPress, c.key, c.modifiers, "\r", c.held);
            QApplication::sendEvent(focus, &press);
            QCOMPARE(pressed, c.pressed);
            QCOMPARE(text->toPlainText(), QString(focus == text ? "\n" : ""));
        }
    }
};

VINYLIX_TEST(EnterPressesButtonsTest)
#include "test_enter_presses_buttons.moc"
