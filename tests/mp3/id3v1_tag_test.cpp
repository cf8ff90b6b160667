#include "support/test_registry.h"

#include "mp3/id3v1_tag.h"

#include <QTest>

using vinylix::Id3v1Tag;

namespace {

// A tag as another program might write it: NUL-padded fields.
QByteArray nul_padded_tag() {
    QByteArray tag = "TAG";
    for (const char* field : {"Title", "Artist", "Album"})
        tag += QByteArray(field).leftJustified(30, '\0');
    tag += "1999";
    tag += QByteArray("Note").leftJustified(30, '\0');
    tag += static_cast<char>(17);
    return tag;
}

} // namespace

class Id3v1TagTest : public QObject {
    Q_OBJECT

private slots:
    void parse_reads_every_field_at_its_offset() {
        const auto tag = Id3v1Tag::parse(nul_padded_tag());
        QVERIFY(tag);
        QCOMPARE(tag->title.size(), 30);
        QCOMPARE(Id3v1Tag::shown(tag->title), QString("Title"));
        QCOMPARE(Id3v1Tag::shown(tag->artist), QString("Artist"));
        QCOMPARE(Id3v1Tag::shown(tag->album), QString("Album"));
        QCOMPARE(tag->year, QString("1999"));
        QCOMPARE(Id3v1Tag::shown(tag->comment), QString("Note"));
        QCOMPARE(tag->genre, 17);
    }

    void marker_must_be_tag_in_capitals() {
        QByteArray lower = nul_padded_tag();
        lower.replace(0, 3, "tag");
        QVERIFY(!Id3v1Tag::parse(lower));
        QVERIFY(!Id3v1Tag::parse(nul_padded_tag().left(127)));
        QVERIFY(!Id3v1Tag::parse(nul_padded_tag() + ' '));
    }

    void render_pads_with_spaces_and_cuts_at_the_width() {
        Id3v1Tag tag;
        tag.title = QString(31, u'x');
        tag.artist = "Abc";
        tag.year = "20011";
        tag.genre = 148;
        const QByteArray bytes = tag.render();
        QCOMPARE(bytes.size(), 128);
        QCOMPARE(bytes.left(3), QByteArray("TAG"));
        QCOMPARE(bytes.mid(3, 30), QByteArray(30, 'x'));
        QCOMPARE(bytes.mid(33, 30), QByteArray("Abc") + QByteArray(27, ' '));
        QCOMPARE(bytes.mid(63, 30), QByteArray(30, ' '));
        QCOMPARE(bytes.mid(93, 4), QByteArray("2001"));
        QCOMPARE(bytes.mid(97, 30), QByteArray(30, ' '));
        QCOMPARE(static_cast<quint8>(bytes[127]), 148);
    }

    void empty_record_is_blank_with_no_genre() {
        const Id3v1Tag empty;
        QCOMPARE(empty.title, QString(30, u' '));
        QCOMPARE(empty.year, QString(4, u' '));
        QCOMPARE(empty.genre, 255);
        QCOMPARE(empty.render(), "TAG" + QByteArray(124, ' ') + '\xFF');
    }

    void parse_and_render_mirror_each_other_for_every_byte() {
        QByteArray tag = "TAG";
        for (int i = 3; i < 128; ++i)
            tag += static_cast<char>((i * 37 + 11) % 256);
        QCOMPARE(Id3v1Tag::parse(tag)->render(), tag);
        QCOMPARE(Id3v1Tag::parse(nul_padded_tag())->render(), nul_padded_tag());
    }

    void text_is_windows_1252_one_byte_per_character() {
        Id3v1Tag tag;
        tag.title = QString(30, QChar(0xE9)); // thirty é fit in thirty bytes
        tag.artist = QString::fromUtf8("Caf\u00e9 \u20ac \u00b4");
        tag.album = QString::fromUtf8("\u0416x\U0001F600y");
        tag.comment = QString(29, u'a') + QString::fromUtf8("\U0001F600b"); // one character

        const QByteArray bytes = tag.render();
        QCOMPARE(bytes.mid(3, 30), QByteArray(30, '\xE9'));
        QCOMPARE(bytes.mid(33, 8), QByteArray("Caf\xE9 \x80 \xB4"));
        QCOMPARE(bytes.mid(63, 5), QByteArray("?x?y "));
        QCOMPARE(bytes.mid(97, 30), QByteArray(29, 'a') + '?');
        const auto back = Id3v1Tag::parse(bytes);
        QCOMPARE(back->title, tag.title);
        QCOMPARE(Id3v1Tag::shown(back->artist), tag.artist);
    }

    void fitted_gives_the_stored_field() {
        QCOMPARE(Id3v1Tag::fitted(u"abc", 30), QString("abc") + QString(27, u' '));
        QCOMPARE(Id3v1Tag::fitted(u"20011", 4), QString("2001"));
        QCOMPARE(Id3v1Tag::fitted(QString::fromUtf8("\u0416"), 2), QString("? "));
    }

    void shown_cuts_before_nul_and_drops_trailing_spaces() {
        QCOMPARE(Id3v1Tag::shown(QString("abc") + QString(27, u' ')), QString("abc"));
        QCOMPARE(Id3v1Tag::shown(QStringView(u"a b\0junk  ", 10)), QString("a b"));
        QCOMPARE(Id3v1Tag::shown(u"  lead"), QString("  lead"));
        QCOMPARE(Id3v1Tag::shown(QString(30, u' ')), QString());
    }
};

VINYLIX_TEST(Id3v1TagTest)

#include "id3v1_tag_test.moc"
