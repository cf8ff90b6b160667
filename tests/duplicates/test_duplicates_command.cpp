#include "app/mainframe.h"
#include "app/startup.h"
#include "duplicates/duplicates_window.h"
#include "store/line_end.h"
#include "support/albums.h"
#include "support/scripted_prompts.h"
#include "support/test_registry.h"
#include "support/widgets.h"

#include <QAction>
#include <QLabel>
#include <QTreeView>

using namespace vinylix;
using vinylix::test::add_album;

namespace {

QString ten_songs() {
    QStringList lines;
    for (int i = 1; i <= 10; ++i)
        lines << QStringLiteral("Song %1").arg(i);
    return lines.join(crlf);
}

} // namespace

class DuplicatesCommandTest : public QObject {
    Q_OBJECT
private slots:
    // Two copies of one name and a remastered one: Delete takes the very copy chosen, after the
    // question every deletion asks, and the list is found anew; Enter shows a copy in the
    // browser.
    void delete_a_copy_then_show_another_in_the_browser() {
        test::TempFolder folder;
        const QString path = folder.make_catalogue();
        {
            auto set = test::open_main(path);
            add_album(*set, "Blur", "Parklife", ten_songs(), "1", "1", "100", "1994");
            add_album(*set, "Blur", "Parklife", ten_songs(), "1", "2", "100", "1994");
            add_album(*set, "BLUR", "Parklife (Remastered)", ten_songs() + crlf + "Bonus", "1", "3",
                      "110", "2012");
            add_album(*set, "Cure", "Faith", {}, "1", "4", "98", "1981");
            add_album(*set, "Abba", "Gold", {}, "1", "5", "50", "1992");
            add_album(*set, "Abba", "Gold [CD1]", {}, "1", "6", "60", "1992");
        }
        test::ScriptedPromptsScope prompts;
        auto main = start_program(folder.path());
        QStringList totals;
        prompts->on_modal = [&](QDialog& dialog) {
            auto& window = static_cast<DuplicatesWindow&>(dialog);
            auto* tree = test::child<QTreeView>(dialog, "groups_tree");
            auto* totals_lb = test::child<QLabel>(dialog, "totals_lb");
            QTRY_VERIFY(!window.searching());
            totals << totals_lb->text();
            QTest::keyClick(tree, Qt::Key_Down); // the second "Blur – Parklife"
            QTest::keyClick(tree, Qt::Key_Delete);
            QTRY_VERIFY(!window.searching());
            totals << totals_lb->text();
            QCOMPARE(tree->currentIndex().data().toString(),
                     QStringLiteral("BLUR \u2013 Parklife (Remastered)"));
            QTest::keyClick(tree, Qt::Key_Enter);
        };
        test::child<QAction>(*main, "duplicates")->trigger();
        QCOMPARE(prompts->texts("modal"), QStringList{"duplicates_frm"});
        QCOMPARE(prompts->texts("confirm"),
                 QStringList{"You are about to delete Blur - Parklife. Continue?"});
        QCOMPARE(totals, QStringList({"2 groups, 5 albums, 250 MB could be freed",
                                      "2 groups, 4 albums, 150 MB could be freed"}));
        QCOMPARE(test::stored_field(path, "Blur", "Parklife", "CD"), QStringLiteral("1")); // 2 went
        QCOMPARE(test::child<QTabWidget>(*main, "tabulador")->currentIndex(), 0);
        QCOMPARE(test::browsed(*main), QStringLiteral("Blur|Parklife (Remastered)"));
    }
};

VINYLIX_TEST(DuplicatesCommandTest)
#include "test_duplicates_command.moc"
