#include "support/scripted_prompts.h"
#include "support/test_registry.h"

#include "kit/program_title.h"
#include "tags/tag_write_message.h"

#include <QTest>

using namespace vinylix;

class TagWriteMessageTest : public QObject {
    Q_OBJECT

private slots:
    // A write-protected or changed file names its path on the first line; other failures show
    // the system's description without an icon; a written tag shows nothing.
    void each_outcome_shows_its_message() {
        using enum TagWriteResult::Kind;
        QStringList shown;
        for (const TagWriteResult& result : {TagWriteResult{WriteProtected, "Permission denied"},
                                             {Changed, "No such file"},
                                             {Other, "No space left on device"},
                                             {}}) {
            const test::ScriptedPromptsScope prompts;
            show_tag_write_message(nullptr, "/music/song.mp3", result);
            for (const auto& p : prompts->shown)
                shown << p.kind + '|' + p.title + '|' + p.text + '|' + QString::number(int(p.icon));
        }
        const QString path = "/music/song.mp3\n", title = '|' + program_title() + '|';
        QCOMPARE(shown,
                 QStringList({"notice|Vinylix 5.1[Trackwright]|" + path + " is write protected|1",
                              "notice" + title + path +
                                  " was changed by another program, or is gone, since "
                                  "it was listed|1",
                              "notice" + title + "No space left on device|0"}));
    }
};

VINYLIX_TEST(TagWriteMessageTest)

#include "test_tag_write_message.moc"
