#include "sample_disc.h"
#include "support/albums.h"
#include "support/scripted_prompts.h"
#include "support/test_registry.h"
#include "support/widgets.h"

#include "app/mainframe.h"
#include "app/startup.h"
#include "import/disc_check_texts.h"
#include "import/disc_check_window.h"
#include "import/set_directory.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>

using namespace vinylix;

namespace {

void click(const QDialog& dialog, const char* button) {
    QTest::mouseClick(test::child<QPushButton>(dialog, button), Qt::LeftButton);
}

} // namespace

class CheckCommandTest : public QObject {
    Q_OBJECT
private slots:
    // Tools, "Check a Disc...": the folder chosen proposes its disc; updates and additions
    // compare anew; a double click shows an album in the browser; Undo takes each write back.
    void check_update_add_and_show_through_the_menu() {
        test::SampleDisc sample;
        test::ScriptedPromptsScope prompts;
        auto main = start_program(sample.folder.path());
        const QString size_before = test::stored_field(sample.catalogue, "Cure", "Faith", "Size");
        QStringList shown;
        std::function<void(QDialog&)> in_check = [&](QDialog& dialog) {
            auto& window = static_cast<DiscCheckWindow&>(dialog);
            auto* tree = test::child<QTreeWidget>(dialog, "groups_tree");
            click(dialog, "browse_bttn");
            QCOMPARE(test::child<QLineEdit>(dialog, "disc_nr_txt")->text(), QStringLiteral("12"));
            {
                const test::PermissionsHeld held;
                click(dialog, "check_bttn");
            }
            shown << test::row_texts(tree->model()).join(", ");
            tree->topLevelItem(1)->child(2)->setSelected(true); // Cure - Faith: size
            tree->topLevelItem(1)->child(4)->setSelected(true); // Suede - Dog Man Star: year
            test::child<QAbstractButton>(dialog, "kbps_check")->click(); // unticked
            click(dialog, "update_bttn");
            shown << test::row_texts(tree->model()).join(", ");
            tree->topLevelItem(2)->setSelected(true); // the whole group
            click(dialog, "add_bttn");
            shown << test::row_texts(tree->model()).join(", ");
            click(dialog, "copy_bttn");
            QCOMPARE(QGuiApplication::clipboard()->text(), check_report(*window.check()));
            const QPoint at =
                tree->visualItemRect(tree->topLevelItem(1)->child(1)).center(); // Blur - 13
            QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, at);
            QTest::mouseDClick(tree->viewport(), Qt::LeftButton, {}, at);
        };
        prompts->on_modal = [&](QDialog& dialog) {
            if (dialog.objectName() != "setdirectory")
                return in_check(dialog);
            static_cast<SetDirectory&>(dialog).set_folder(sample.disc);
            click(dialog, "ok_bttn");
        };
        test::child<QAction>(*main, "check")->trigger();

        QCOMPARE(shown, QStringList({"Alike (1), Different (5), Only on the disc (2), Only in the "
                                     "catalogue (1)",
                                     "Alike (3), Different (3), Only on the disc (2), Only in the "
                                     "catalogue (1)",
                                     "Alike (4), Different (3), Only on the disc (1), Only in the "
                                     "catalogue (1)"}));
        QCOMPARE(prompts->texts("confirm"),
                 QStringList{"You are about to write the disc's values into 2 albums of the "
                             "catalogue.\n\nContinue?"});
        QCOMPARE(test::stored_field(sample.catalogue, "Cure", "Faith", "Size"),
                 QStringLiteral("0"));
        QCOMPARE(test::stored_field(sample.catalogue, "Pulp", "Different Class", "CD"),
                 QStringLiteral("12"));
        QCOMPARE(test::browsed(*main), QStringLiteral("Blur|13"));

        auto* undo = test::child<QAction>(*main, "undo_mnu");
        undo->trigger();
        QCOMPARE(test::stored_field(sample.catalogue, "Pulp", "Different Class", "CD"),
                 QStringLiteral("<none>"));
        undo->trigger();
        QCOMPARE(test::stored_field(sample.catalogue, "Cure", "Faith", "Size"), size_before);
    }
};

VINYLIX_TEST(CheckCommandTest)
#include "test_check_command.moc"
