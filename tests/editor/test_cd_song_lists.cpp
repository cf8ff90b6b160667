#include "editor/cd_song_lists.h"
#include "support/test_registry.h"

#include <QTest>

using namespace vinylix;

namespace {

const QString two_cds = QStringLiteral("== CD 1 ==\r\na\r\nb\r\n\r\n== CD 2 ==\r\nc");

// Lists for three CDs, the second one shown.
CdSongLists three_cds_on_the_second() {
    CdSongLists lists;
    lists.load_sections(
        QStringLiteral("== CD 1 ==\r\nx\r\n\r\n== CD 2 ==\r\ny\r\n\r\n== CD 3 ==\r\nz"), 3);
    lists.set_count(3, {});
    lists.step(+1, false, {});
    return lists;
}

} // namespace

class CdSongListsTest : public QObject {
    Q_OBJECT
private slots:
    void a_two_cd_text_gives_two_lists() {
        QCOMPARE(read_editor_sections(two_cds, 2), QStringList({"a\r\nb", "c"}));
    }

    void headers_are_found_in_any_letter_case_and_order() {
        const QString text = QStringLiteral("== cd 2 ==\r\nc\r\n\r\n== Cd 1 ==\r\na");
        QCOMPARE(read_editor_sections(text, 2), QStringList({"a", "c"}));
    }

    void reading_stops_at_the_first_missing_header() {
        const QString text = QStringLiteral("== CD 1 ==\r\na\r\n\r\n== CD 3 ==\r\nc");
        QCOMPARE(read_editor_sections(text, 3), QStringList({"a"}));
        QCOMPARE(read_editor_sections(QString(), 2), QStringList());
    }

    void empty_lines_inside_a_list_are_kept() {
        const QString text =
            QStringLiteral("== CD 1 ==\r\na\r\n\r\nb\r\n\r\n== CD 2 ==\r\nc\r\n\r\nd");
        QCOMPARE(read_editor_sections(text, 2), QStringList({"a\r\n\r\nb", "c\r\n\r\nd"}));
    }

    void an_empty_cd_list_reads_back_empty() {
        const QString text = QStringLiteral("== CD 1 ==\r\n\r\n\r\n== CD 2 ==\r\nc");
        QCOMPARE(read_editor_sections(text, 2), QStringList({"", "c"}));
        QCOMPARE(read_editor_sections(QStringLiteral("== CD 1 =="), 1), QStringList({""}));
    }

    void raising_the_count_grows_the_lists_with_empty_ones() {
        CdSongLists lists;
        lists.load_sections(QStringLiteral("== CD 1 ==\r\na"), 3);
        const auto shown = lists.set_count(3, {});
        QCOMPARE(lists.lists(), QStringList({"a", "", ""}));
        QCOMPARE(shown.text, std::optional<QString>(QStringLiteral("a")));
        QVERIFY(lists.multi());
        QCOMPARE(lists.label(), QStringLiteral("CD # 1"));
    }

    void lowering_the_count_below_the_cd_shown_moves_to_the_last_cd() {
        CdSongLists lists = three_cds_on_the_second();
        lists.step(+1, false, {});
        QCOMPARE(lists.label(), QStringLiteral("CD # 3"));
        const auto shown = lists.set_count(2, QStringLiteral("z"));
        QCOMPARE(lists.current(), 1);
        QCOMPARE(lists.label(), QStringLiteral("CD # 2"));
        QCOMPARE(shown.text, std::optional<QString>(QStringLiteral("y")));
    }

    void a_count_of_one_or_zero_shows_the_first_list() {
        CdSongLists lists = three_cds_on_the_second();
        auto shown = lists.set_count(1, QStringLiteral("y"));
        QCOMPARE(lists.current(), 0);
        QVERIFY(!lists.multi());
        QCOMPARE(shown.text, std::optional<QString>(QStringLiteral("x")));
        QVERIFY(!shown.reset_count_text);
        shown = lists.set_count(0, QStringLiteral("x"));
        QVERIFY(shown.reset_count_text);
        QCOMPARE(lists.count(), 1);
    }

    void an_empty_album_leaves_the_box_alone_on_a_count_of_one() {
        CdSongLists lists;
        QCOMPARE(lists.set_count(1, {}).text, std::nullopt);
    }

    void a_count_change_keeps_the_edits_of_the_cd_shown() {
        CdSongLists lists;
        lists.mark_changed(); // typed into the box of a new album
        lists.set_count(2, QStringLiteral("typed"));
        QCOMPARE(lists.lists(), QStringList({"typed", ""}));
        QVERIFY(!lists.changed());
    }

    void stepping_stores_the_edit_only_when_asked() {
        CdSongLists lists = three_cds_on_the_second();
        lists.mark_changed();
        QCOMPARE(lists.step(+1, true, QStringLiteral("y2")),
                 std::optional<QString>(QStringLiteral("z")));
        QCOMPARE(lists.lists()[1], QStringLiteral("y2"));
        QCOMPARE(lists.label(), QStringLiteral("CD # 3"));
        lists.mark_changed();
        QCOMPARE(lists.step(-1, false, QStringLiteral("z2")),
                 std::optional<QString>(QStringLiteral("y2")));
        QCOMPARE(lists.lists()[2], QStringLiteral("z"));
        QVERIFY(!lists.changed());
    }

    void stepping_past_either_end_does_nothing() {
        CdSongLists lists = three_cds_on_the_second();
        lists.step(-1, false, {});
        QVERIFY(!lists.can_step(-1));
        QCOMPARE(lists.step(-1, false, {}), std::nullopt);
        lists.step(+1, false, {});
        lists.step(+1, false, {});
        QCOMPARE(lists.step(+1, false, {}), std::nullopt);
        QCOMPARE(lists.current(), 2);
    }

    void the_stored_text_has_exactly_count_sections() {
        CdSongLists lists = three_cds_on_the_second();
        QCOMPARE(lists.stored_text({}), QStringLiteral("== CD 1 ==\r\nx\r\n\r\n== CD 2 ==\r\ny"
                                                       "\r\n\r\n== CD 3 ==\r\nz"));
        lists.set_count(2, {});
        QCOMPARE(lists.stored_text({}), QStringLiteral("== CD 1 ==\r\nx\r\n\r\n== CD 2 ==\r\ny"));
        lists.set_count(1, {});
        QCOMPARE(lists.stored_text(QStringLiteral("box")), QStringLiteral("box"));
    }

    void stored_text_reads_back_the_same_lists() {
        CdSongLists lists;
        lists.load_sections({}, 3);
        lists.set_count(3, {});
        const QStringList cds = {"one\r\n\r\ntwo", "", "three\r\n"};
        for (int k = 0; k < 3; ++k) {
            lists.mark_changed();
            if (k < 2)
                lists.step(+1, true, cds[k]);
            else
                lists.keep_edits(cds[k]);
        }
        QCOMPARE(read_editor_sections(lists.stored_text({}), 3), cds);
    }
};

VINYLIX_TEST(CdSongListsTest)
#include "test_cd_song_lists.moc"
