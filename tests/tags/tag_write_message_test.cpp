#include "support/scripted_prompts.h"
#include "support/test_registry.h"

#include "kit/program_title.h"
#include "tags/tag_write_message.h"

#include <QTest>

using namespace vinylix;

class TagWriteMessageTest : public QObject {
    Q_OBJECT

private slots:
    void write_protected_file_names_its_path_on_the_first_line() {
        const test::ScriptedPromptsScope prompts;
        show_tag_write_message(nullptr, "/music/song.mp3",
                               {TagWriteResult::Kind::WriteProtected, "Permission denied"});
        QCOMPARE(prompts->shown.size(), 1);
        QCOMPARE(prompts->shown[0].kind, QString("notice"));
        QCOMPARE(prompts->shown[0].title, QString("Vinylix 5.1[Trackwright]"));
        QCOMPARE(prompts->shown[0].text, QString("/music/song.mp3\n is write protected"));
        QCOMPARE(prompts->shown[0].icon, Prompts::Icon::Information);
    }

    void a_file_changed_since_it_was_listed_names_its_path() {
        const test::ScriptedPromptsScope prompts;
        show_tag_write_message(nullptr, "/music/song.mp3",
                               {TagWriteResult::Kind::Changed, "No such file or directory"});
        QCOMPARE(prompts->shown.size(), 1);
        QCOMPARE(prompts->shown[0].title, program_title());
        QCOMPARE(prompts->shown[0].text,
                 QString("/music/song.mp3\n has changed or is gone since it was listed"));
        QCOMPARE(prompts->shown[0].icon, Prompts::Icon::Information);
    }

    void other_failures_show_the_system_description_without_icon() {
        const test::ScriptedPromptsScope prompts;
        show_tag_write_message(nullptr, "/music/song.mp3",
                               {TagWriteResult::Kind::Other, "No space left on device"});
        QCOMPARE(prompts->shown.size(), 1);
        QCOMPARE(prompts->shown[0].title, program_title());
        QCOMPARE(prompts->shown[0].text, QString("No space left on device"));
        QCOMPARE(prompts->shown[0].icon, Prompts::Icon::None);
    }

    void a_written_tag_shows_nothing() {
        const test::ScriptedPromptsScope prompts;
        show_tag_write_message(nullptr, "/music/song.mp3", {});
        QVERIFY(prompts->shown.isEmpty());
    }
};

VINYLIX_TEST(TagWriteMessageTest)

#include "tag_write_message_test.moc"
