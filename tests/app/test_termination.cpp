#include "app/mainframe.h"
#include "app/startup.h"
#include "app/termination.h"
#include "support/scripted_prompts.h"
#include "support/temp_folder.h"
#include "support/test_registry.h"

#include <QTest>
#include <csignal>

using namespace vinylix;

class TerminationTest : public QObject {
    Q_OBJECT
private slots:
    void cleanupTestCase() {
        std::signal(SIGTERM, SIG_DFL);
        std::signal(SIGINT, SIG_DFL);
    }

    // The desktop ending the session (SIGTERM) closes the main window in order, so the
    // settings file is written, with no message; a request made while the program is still
    // starting waits until the main window is up.
    void a_termination_request_closes_the_main_window_in_order() {
        test::TempFolder folder;
        folder.make_catalogue();
        test::ScriptedPromptsScope prompts;
        catch_termination_requests();
        std::raise(SIGTERM);
        auto main = start_program(folder.path());
        QCoreApplication::processEvents();
        QVERIFY(main->isVisible());
        QVERIFY(!QFile::exists(folder.file("vinylix.ini")));

        close_on_termination_request(main.get());
        QTRY_VERIFY(!main->isVisible());
        QVERIFY(QFile::exists(folder.file("vinylix.ini")));
        QVERIFY(prompts->shown.isEmpty());

        // Ctrl+C in a terminal asks the same.
        main.reset();
        auto again = start_program(folder.path());
        close_on_termination_request(again.get());
        std::raise(SIGINT);
        QTRY_VERIFY(!again->isVisible());
    }
};

VINYLIX_TEST(TerminationTest)
#include "test_termination.moc"
