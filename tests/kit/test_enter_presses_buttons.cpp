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
#include <QToolButton>
#include <QVBoxLayout>

using namespace vinylix;

namespace {

// A dialog with a default "ok" button and a plain window, each control named; `pressed` records
// the names of the buttons pressed, in order.
struct Windows {
    QDialog dialog;
    QWidget plain;
    QStringList pressed;

    Windows() {
        auto* ok = add<QPushButton>(dialog, "ok");
        ok->setDefault(true);
        add<QPushButton>(dialog, "other")->setAutoDefault(false);
        add<QCheckBox>(dialog, "check");
        add<QLineEdit>(dialog, "line");
        add<QPlainTextEdit>(dialog, "text");
        add<QToolButton>(plain, "tool")->setFocusPolicy(Qt::StrongFocus);
        add<QPushButton>(plain, "plain_button");
    }

    template <typename Widget> Widget* add(QWidget& window, const char* name) {
        if (!window.layout())
            new QVBoxLayout(&window);
        auto* widget = new Widget(&window);
        widget->setObjectName(QString::fromLatin1(name));
        window.layout()->addWidget(widget);
        if constexpr (std::is_base_of_v<QAbstractButton, Widget>)
            QObject::connect(widget, &QAbstractButton::clicked, &window,
                             [this, name] { pressed += QString::fromLatin1(name); });
        return widget;
    }

    // Gives `name` the focus in its active window.
    QWidget* focus(const char* name) {
        QWidget* widget = dialog.findChild<QWidget*>(name);
        QWidget& window = widget ? static_cast<QWidget&>(dialog) : plain;
        widget = widget ? widget : plain.findChild<QWidget*>(name);
        window.show();
        window.activateWindow();
        if (!QTest::qWaitForWindowActive(&window))
            qFatal("the window did not become active");
        widget->setFocus();
        return widget;
    }
};

} // namespace

class EnterPressesButtonsTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { make_enter_press_buttons(*QCoreApplication::instance()); }

    // Enter presses the focused button of any kind, in a dialog or not, instead of the dialog's
    // default; elsewhere Enter keeps its own meaning.
    void enter_presses_the_focused_button() {
        const struct {
            const char* focus;
            Qt::Key key;
            Qt::KeyboardModifiers modifiers;
            QStringList pressed;
        } cases[] = {
            {"other", Qt::Key_Return, Qt::NoModifier, {"other"}},
            {"other", Qt::Key_Enter, Qt::KeypadModifier, {"other"}},
            {"check", Qt::Key_Return, Qt::NoModifier, {"check"}},
            {"ok", Qt::Key_Return, Qt::NoModifier, {"ok"}},
            {"line", Qt::Key_Return, Qt::NoModifier, {"ok"}}, // a line edit's Enter: the default
            {"text", Qt::Key_Return, Qt::NoModifier, {}},     // a line break
            {"other", Qt::Key_Return, Qt::ShiftModifier, {}},
            {"tool", Qt::Key_Return, Qt::NoModifier, {"tool"}},
            {"plain_button", Qt::Key_Enter, Qt::KeypadModifier, {"plain_button"}},
        };
        for (const auto& c : cases) {
            Windows w;
            QTest::keyClick(w.focus(c.focus), c.key, c.modifiers);
            QCOMPARE(w.pressed, c.pressed);
            QCOMPARE(w.dialog.findChild<QCheckBox*>("check")->isChecked(),
                     c.pressed == QStringList{"check"});
            QCOMPARE(w.dialog.findChild<QPlainTextEdit*>("text")->toPlainText(),
                     QString(c.focus == QByteArrayView("text") ? "\n" : ""));
        }
    }

    void a_held_enter_presses_once() {
        Windows w;
        QWidget* button = w.focus("plain_button");
        QTest::keyPress(button, Qt::Key_Return);
        QKeyEvent repeat(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, "\r", true);
        QApplication::sendEvent(button, &repeat);
        QCOMPARE(w.pressed, QStringList{"plain_button"});
    }
};

VINYLIX_TEST(EnterPressesButtonsTest)
#include "test_enter_presses_buttons.moc"
