// Keyboard and mouse alike: in every window the program opens, each control that takes focus is
// reached by Tab and answers to an Alt+letter that no other control of the window takes (the
// main window's menu bar and tab strip included).
#include "app/mainframe.h"
#include "app/startup.h"
#include "import/set_directory.h"
#include "support/album_tree.h"
#include "support/albums.h"
#include "support/scripted_prompts.h"
#include "support/test_registry.h"
#include "support/widgets.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QGroupBox>
#include <QKeySequence>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>
#include <QPushButton>

using namespace vinylix;

namespace {

QString key_of(const QString& caption) {
    return QKeySequence::mnemonic(caption).toString();
}

QWidget* focus_target(QWidget* widget) {
    while (widget && widget->focusProxy())
        widget = widget->focusProxy();
    return widget;
}

QString name_of(const QWidget* control) {
    const auto* button = qobject_cast<const QAbstractButton*>(control);
    return QStringLiteral("%1 \"%2\"").arg(control->objectName(), button ? button->text() : "");
}

bool in(const QWidget* widget, const QWidget& window) {
    return widget->window() == &window && widget->isVisible();
}

// Every access key `window` shows, with its owner: the menus', the captions of buttons, frames
// and tabs, and the labels that lead to a control.
QMultiHash<QString, QString> shown_keys(const QWidget& window) {
    QMultiHash<QString, QString> keys;
    const auto add = [&](const QString& caption, const QString& owner) {
        if (!key_of(caption).isEmpty())
            keys.insert(key_of(caption), owner + " \"" + caption + '"');
    };
    if (const auto* main = qobject_cast<const QMainWindow*>(&window))
        for (const QAction* menu : main->menuBar()->actions())
            add(menu->text(), QStringLiteral("menu"));
    for (const QWidget* w : window.findChildren<QWidget*>()) {
        if (!in(w, window))
            continue;
        if (const auto* button = qobject_cast<const QAbstractButton*>(w))
            add(button->text(), w->objectName());
        if (const auto* group = qobject_cast<const QGroupBox*>(w))
            add(group->title(), QStringLiteral("frame"));
        if (const auto* label = qobject_cast<const QLabel*>(w); label && label->buddy())
            add(label->text(), QStringLiteral("label"));
        if (const auto* tabs = qobject_cast<const QTabBar*>(w))
            for (int i = 0; i < tabs->count(); ++i)
                add(tabs->tabText(i), QStringLiteral("tab"));
    }
    return keys;
}

// The keys of a control's own: its caption's (each tab's of a tab strip), a label's that leads
// to it, its frame's when it is the frame's one stop. An empty key: a caption without one.
QStringList own_keys(QWidget* control, const QWidget& window, const QList<QWidget*>& stops) {
    QStringList keys;
    if (const auto* button = qobject_cast<QAbstractButton*>(control))
        keys << key_of(button->text());
    if (const auto* tabs = qobject_cast<QTabBar*>(control))
        for (int i = 0; i < tabs->count(); ++i)
            keys << key_of(tabs->tabText(i));
    for (const QLabel* label : window.findChildren<QLabel*>())
        if (in(label, window) && focus_target(label->buddy()) == control)
            keys << key_of(label->text());
    for (const QGroupBox* group : window.findChildren<QGroupBox*>())
        if (in(group, window) && !key_of(group->title()).isEmpty() &&
            std::count_if(stops.begin(), stops.end(),
                          [&](auto* s) { return group->isAncestorOf(s); }) == 1 &&
            group->isAncestorOf(control))
            keys << key_of(group->title());
    return keys;
}

// A control without a key of its own may be led to by another's: by the check box before it,
// which puts the cursor in it when ticked (left ticked as it was), or by the tab of its page.
bool led_to(QWidget* control, QWidget* before, QWidget& window) {
    if (auto* box = qobject_cast<QCheckBox*>(before); box && !key_of(box->text()).isEmpty()) {
        const bool ticked = box->isChecked();
        if (ticked)
            box->click();
        box->click();
        const bool led = QApplication::focusWidget() == control;
        if (!ticked)
            box->click();
        return led;
    }
    for (const QTabWidget* tabs : window.findChildren<QTabWidget*>())
        for (int i = 0; i < tabs->count(); ++i)
            if (tabs->widget(i)->isAncestorOf(control) && !key_of(tabs->tabText(i)).isEmpty()) {
                before->setFocus();
                QTest::keySequence(&window, QKeySequence::mnemonic(tabs->tabText(i)));
                if (QApplication::focusWidget() == control)
                    return true;
            }
    return false;
}

// The stop that Tab leaves for `control`.
QWidget* stop_before(QWidget* control, const QList<QWidget*>& stops) {
    QWidget* before = control->previousInFocusChain();
    while (!stops.contains(before))
        before = before->previousInFocusChain();
    return before;
}

// What keeps `window` from being worked by keyboard alone: a control Tab does not reach from
// the first one, a control without an access key, a key two controls share.
QStringList keyboard_faults(QWidget& window) {
    window.activateWindow();
    if (!QTest::qWaitFor([&] { return window.isActiveWindow(); }))
        return {QStringLiteral("the window is not active")};
    QList<QWidget*> stops;
    for (QWidget* w : window.findChildren<QWidget*>())
        if (in(w, window) && (w->focusPolicy() & Qt::TabFocus) && !w->focusProxy())
            stops << w;
    const auto first =
        std::find_if(stops.begin(), stops.end(), [](auto* w) { return w->isEnabled(); });
    if (first != stops.end())
        (*first)->setFocus(Qt::TabFocusReason);
    QSet<QWidget*> reached;
    for (int press = 0; press < 2 * stops.size() && QApplication::focusWidget(); ++press) {
        reached << QApplication::focusWidget();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    QStringList faults;
    for (QWidget* stop : stops) {
        if (stop->isEnabled() && !reached.contains(stop))
            faults << name_of(stop) + " is not reached by Tab";
        const QStringList keys = own_keys(stop, window, stops);
        if ((keys.isEmpty() || keys.contains(QString())) &&
            !(keys.isEmpty() && led_to(stop, stop_before(stop, stops), window)))
            faults << name_of(stop) + " has no access key";
    }
    const QMultiHash<QString, QString> keys = shown_keys(window);
    for (const QString& key : keys.uniqueKeys())
        if (keys.count(key) > 1)
            faults << key + " is taken by " + QStringList(keys.values(key)).join(", ");
    return faults;
}

// A window of the program: a tab of the main window, or the modal window that a menu command
// or a button on that tab opens, checked while it is open.
struct Window {
    const char* name;
    int tab;
    const char* command = nullptr;
    bool review = false; // the folder chooser picks the album folders; the review is checked
    const char* found = nullptr; // a list the window fills on a thread of its own
};

const Window windows[] = {
    {"explore", 0},
    {"search", 1},
    {"search by", 2},
    {"import", 3},
    {"export", 4},
    {"excel", 5},
    {"import review", 3, "import_bttn", true},
    {"folder chooser", 3, "import_bttn"},
    {"album editor, new album", 0, "newalbum_mnu"},
    {"album editor, two CDs", 0, "editsel_mnu"},
    {"album editor, artist name", 0, "editartist_name"},
    {"settings", 0, "settings_mnu"},
    {"statistics", 0, "stats_mnu"},
    {"about", 0, "about_mnu"},
    {"tag editor", 0, "renamer_mnu"},
    {"shelf discs", 0, "shelf_mnu"},
    {"duplicate albums", 0, "duplicates_mnu", false, "groups_tree"},
    {"disc check", 0, "check_mnu"},
};

// A catalogue with a two-CD album first, an audio CD and a duplicate, and a folder to import.
void make_collection(const test::TempFolder& folder) {
    auto set = test::open_main(folder.make_catalogue());
    test::add_album(*set, "Air", "10 000 Hz Legend",
                    "== CD 1 ==\r\nVenus\r\n\r\n== CD 2 ==\r\nRadio", "2", "3", "120", "2001");
    test::add_album(*set, "Air", "Moon Safari", "Sexy Boy", "1", "3", "60", "1998");
    test::add_album(*set, "Blur", "Parklife", "Girls & Boys", "1", "4", "70", "1994");
    test::add_album(*set, "blur", "Parklife (Remastered)", "Girls & Boys", "1", "5", "90", "2012");
    test::add_album(*set, "Cure", "Faith", "Primary", "1", "CDA");
    test::write_file(folder.file("music/Metallica - Black Album/01 - Enter Sandman.mp3"),
                     test::mp3_file("Enter Sandman", "1991"));
}

} // namespace

class AccessKeysTest : public QObject {
    Q_OBJECT
private slots:
    void every_control_is_reached_by_tab_and_by_a_key_of_its_own() {
        test::TempFolder folder;
        make_collection(folder);
        test::ScriptedPromptsScope prompts;
        auto main = start_program(folder.path());
        QStringList faults;
        const auto check = [&](const char* name, QWidget& window) {
            for (const QString& fault : keyboard_faults(window))
                faults << QStringLiteral("%1: %2").arg(name, fault);
        };
        for (const Window& w : windows) {
            test::child<QTabWidget>(*main, "tabulador")->setCurrentIndex(w.tab);
            const qsizetype opened = prompts->texts("modal").size();
            prompts->on_modal = [&](QDialog& dialog) {
                if (w.found)
                    QVERIFY(
                        QTest::qWaitFor([&] { return test::child(dialog, w.found)->isEnabled(); }));
                if (!w.review)
                    return check(w.name, dialog);
                dynamic_cast<SetDirectory&>(dialog).set_folder(folder.file("music"));
                QTest::mouseClick(dialog.findChild<QPushButton*>("ok_bttn"), Qt::LeftButton);
            };
            if (auto* action = w.command ? test::child<QAction>(*main, w.command) : nullptr)
                action->trigger();
            else if (w.command)
                test::child<QAbstractButton>(*main, w.command)->click();
            QVERIFY2(prompts->texts("modal").size() == opened + (w.command ? 1 : 0), w.name);
            if (!w.command || w.review)
                check(w.name, *main);
        }
        for (const QString& fault : faults)
            qWarning("%s", qPrintable(fault));
        QVERIFY(faults.isEmpty());
    }
};

VINYLIX_TEST(AccessKeysTest)
#include "test_access_keys.moc"
