#include "app/mainframe.h"
#include "app/startup.h"
#include "browse/explore_tab.h"
#include "support/albums.h"
#include "support/scripted_prompts.h"
#include "support/test_registry.h"
#include "support/widgets.h"

#include <QAction>

using namespace vinylix;
using namespace vinylix::test;

class UndoRoadTest : public QObject {
    Q_OBJECT
private slots:
    // An album deleted from the browser comes back with Ctrl+Z and goes again with Ctrl+Y;
    // the Edit menu does the same, Ctrl+Shift+Z as Ctrl+Y. The menu commands and the toolbar
    // buttons name the step, the browser shows the album concerned.
    void undo_and_redo_through_the_menu_and_the_keys() {
        TempFolder folder;
        const QString path = folder.make_catalogue();
        add_albums(*open_main(path), {{"Abba", "Arrival"}, {"Abba", "Gold"}, {"Cure", "Faith"}});
        ScriptedPromptsScope prompts;
        auto main = start_program(folder.path());
        main->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(main.get()));
        auto* undo = child<QAction>(*main, "undo_mnu");
        auto* redo = child<QAction>(*main, "redo_mnu");
        QVERIFY(!undo->isEnabled());

        child<ExploreTab>(*main, "explore_frame")->select_artist_and_album("Abba", "Gold");
        child<QAction>(*main, "del_album")->trigger();
        QCOMPARE(stored_field(path, "Abba", "Gold", "Album"), QStringLiteral("<none>"));
        QCOMPARE(child<QAction>(*main, "undo")->toolTip(), QStringLiteral("Undo Delete Album"));

        const struct {
            QKeyCombination key;
            bool back;
        } steps[] = {{Qt::CTRL | Qt::Key_Z, true},
                     {Qt::CTRL | Qt::Key_Y, false},
                     {{}, true}, // the menu command
                     {Qt::CTRL | Qt::SHIFT | Qt::Key_Z, false}};
        for (const auto& step : steps) {
            if (step.key == QKeyCombination())
                undo->trigger();
            else
                QTest::keyClick(main.get(), step.key.key(), step.key.keyboardModifiers());
            QCOMPARE(stored_field(path, "Abba", "Gold", "Album"),
                     step.back ? QStringLiteral("Gold") : QStringLiteral("<none>"));
            QCOMPARE(browsed(*main),
                     step.back ? QStringLiteral("Abba|Gold") : QStringLiteral("Abba|Arrival"));
            QCOMPARE(undo->isEnabled(), !step.back);
            QCOMPARE(redo->text(),
                     step.back ? QStringLiteral("&Redo Delete Album") : QStringLiteral("&Redo"));
        }
        QVERIFY(prompts->texts("notice").isEmpty());
    }
};

VINYLIX_TEST(UndoRoadTest)
#include "test_undo_road.moc"
