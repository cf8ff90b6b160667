#include "support/test_registry.h"

#include "cli/program_mode.h"

#include <QTest>
#include <vector>

using namespace vinylix;

class ProgramModeTest : public QObject {
    Q_OBJECT

private slots:
    // Any argument but the toolkit's own window options makes a command line, display or not;
    // windows need a display variable or a chosen platform.
    void the_arguments_and_the_display_decide() {
        const struct {
            std::vector<const char*> arguments;
            const char* display;
            ProgramMode mode;
        } cases[] = {
            {{"vinylix"}, ":1", ProgramMode::Windows},
            {{"vinylix"}, nullptr, ProgramMode::NoDisplay},
            {{"vinylix", "--help"}, nullptr, ProgramMode::CommandLine},
            {{"vinylix", "stats"}, ":1", ProgramMode::CommandLine},
            {{"vinylix", "-style", "fusion"}, nullptr, ProgramMode::NoDisplay},
            {{"vinylix", "--platform", "offscreen"}, nullptr, ProgramMode::Windows},
        };
        const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
        const QByteArray display = qgetenv("DISPLAY");
        qunsetenv("QT_QPA_PLATFORM");
        qunsetenv("WAYLAND_DISPLAY");
        for (const auto& c : cases) {
            if (c.display)
                qputenv("DISPLAY", c.display);
            else
                qunsetenv("DISPLAY");
            QCOMPARE(program_mode(int(c.arguments.size()), c.arguments.data()), c.mode);
        }
        qputenv("QT_QPA_PLATFORM", platform);
        qputenv("DISPLAY", display);
    }
};

VINYLIX_TEST(ProgramModeTest)
#include "test_program_mode.moc"
