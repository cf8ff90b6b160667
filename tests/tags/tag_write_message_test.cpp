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
        const struct {
            TagWriteResult result;
            QString title;
            QString text;
            Prompts::Icon icon;
        } cases[] = {
            {{WriteProtected, "Permission denied"},
             "Vinylix 5.1[Trackwright]",
             "/music/song.mp3\n is write protected",
             Prompts::Icon::Information},
            {{Changed, "No such file or directory"},
             program_title(),
             "/music/song.mp3\n was changed by another program, or is gone, since it was listed",
             Prompts::Icon::Information},
            {{Other, "No space left on device"},
             program_title(),
             "No space left on device",
             Prompts::Icon::None},
        };
        for (const auto& c : cases) {
            const test::ScriptedPromptsScope prompts;
            show_tag_write_message(nullptr, "/music/song.mp3", c.result);
            QCOMPARE(prompts->shown.size(), 1);
            QCOMPARE(prompts->shown[0].kind, QString("notice"));
            QCOMPARE(prompts->shown[0].title, c.title);
            QCOMPARE(prompts->shown[0].text, c.text);
            QCOMPARE(prompts->shown[0].icon, c.icon);
        }
        const test::ScriptedPromptsScope prompts;
        show_tag_write_message(nullptr, "/music/song.mp3", {});
        QVERIFY(prompts->shown.isEmpty());
    }
};

VINYLIX_TEST(TagWriteMessageTest)

#include "tag_write_message_test.moc"
