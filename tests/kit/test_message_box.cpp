#include "kit/message_box.h"
#include "kit/program_title.h"
#include "support/test_registry.h"

#include <QFontMetrics>
#include <QTest>

using namespace vinylix;

class MessageBoxTest : public QObject {
    Q_OBJECT
private slots:
    // A box with a short text is still wide enough for the whole program title in its title
    // bar, beside the window's buttons.
    void a_short_message_shows_the_whole_title() {
        const auto box =
            message_box(QMessageBox::Information, program_title(), "OK?", QMessageBox::Ok, nullptr);
        box->show();
        QVERIFY(QTest::qWaitForWindowExposed(box.get()));
        QFont bold = box->font();
        bold.setBold(true);
        QVERIFY(box->width() >= QFontMetrics(bold).horizontalAdvance(program_title()) + 100);
    }
};

VINYLIX_TEST(MessageBoxTest)
#include "test_message_box.moc"
