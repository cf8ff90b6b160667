#include "support/test_registry.h"

#include "mp3/genre_list.h"

#include <QTest>

using vinylix::genre_byte;
using vinylix::genre_list;

class GenreListTest : public QObject {
    Q_OBJECT

private slots:
    void list_has_148_names_and_an_empty_last_entry() {
        QCOMPARE(genre_list().size(), 149);
        QCOMPARE(genre_list().first(), QString("Blues"));
        QCOMPARE(genre_list()[147], QString("Synth Pop"));
        QCOMPARE(genre_list()[148], QString());
    }

    void names_keep_their_own_spelling_at_their_numbers() {
        QCOMPARE(genre_list()[14], QString("R&B"));
        QCOMPARE(genre_list()[67], QString("Phychedelic"));
        QCOMPARE(genre_list()[78], QString("Rock & Roll"));
        QCOMPARE(genre_list()[90], QString("Avantegarde"));
        QCOMPARE(genre_list()[117], QString("power Ballad"));
        QCOMPARE(genre_list()[131], QString("indie"));
        QCOMPARE(genre_list()[140], QString("Comteporary Christian"));
        QCOMPARE(genre_list()[144], QString("Trash Metal"));
    }

    void name_to_byte_is_exact() {
        QCOMPARE(genre_byte(u"Blues"), std::optional<std::uint8_t>(0));
        QCOMPARE(genre_byte(u"power Ballad"), std::optional<std::uint8_t>(117));
        QCOMPARE(genre_byte(u"Synth Pop"), std::optional<std::uint8_t>(147));
        QCOMPARE(genre_byte(u""), std::optional<std::uint8_t>(148));
        QCOMPARE(genre_byte(u"Power Ballad"), std::nullopt);
        QCOMPARE(genre_byte(u"blues"), std::nullopt);
        QCOMPARE(genre_byte(u"Psychedelic"), std::nullopt);
        QCOMPARE(genre_byte(u"Blues "), std::nullopt);
    }
};

VINYLIX_TEST(GenreListTest)

#include "genre_list_test.moc"
