#include "support/temp_folder.h"
#include "support/test_registry.h"

#include "mp3/code_page_guess.h"
#include "mp3/tag_file.h"

#include <QTest>
#include <numeric>

using namespace vinylix;

namespace {

const QByteArray audio(600, '\x33');

// "Привет, мир" in Windows-1251.
const QByteArray privet_1251 = "\xCF\xF0\xE8\xE2\xE5\xF2, \xEC\xE8\xF0";

QByteArray padded(const QByteArray& bytes, qsizetype width = 30) {
    return bytes.leftJustified(width, ' ');
}

const QByteArray every_byte = [] {
    QByteArray bytes(256, Qt::Uninitialized);
    std::iota(bytes.begin(), bytes.end(), '\0');
    return bytes;
}();

} // namespace

class CodePageTest : public QObject {
    Q_OBJECT

private slots:
    void a_tag_written_in_windows_1251_reads_back_and_is_mojibake_in_windows_1252() {
        const test::TempFolder folder;
        folder.write_file("song.mp3", audio);
        const QString path = folder.file("song.mp3");
        Id3v1Tag tag;
        tag.title = "Привет, мир";
        tag.comment = "Ёлка";
        QVERIFY(write_tag(path, tag, CodePage::Windows1251).ok());
        const QByteArray file = folder.read_file("song.mp3");
        QCOMPARE(file.sliced(audio.size() + 3, 30), padded(privet_1251));

        const auto cyrillic = read_id3v1_tag(path, CodePage::Windows1251);
        QCOMPARE(Id3v1Tag::shown(cyrillic->title), QString("Привет, мир"));
        QCOMPARE(Id3v1Tag::shown(cyrillic->comment), QString("Ёлка"));
        const auto western = read_id3v1_tag(path);
        QCOMPARE(Id3v1Tag::shown(western->title), QString("Ïðèâåò, ìèð"));
        QCOMPARE(Id3v1Tag::shown(western->comment), QString("¨ëêà"));

        // Read in the wrong page and written back untouched, every byte stays as it was.
        QVERIFY(write_tag(path, *western).ok());
        QCOMPARE(folder.read_file("song.mp3"), file);
    }

    void a_character_the_page_lacks_becomes_a_question_mark_and_widths_stay_in_bytes() {
        Id3v1Tag tag;
        tag.title = QString(31, u'Ж'); // thirty fit in thirty bytes
        tag.artist = "Café Ж \U0001F600 €";
        tag.year = "19ЖЖ5";
        QByteArray bytes = tag.render(CodePage::Windows1251);
        QCOMPARE(bytes.mid(3, 30), QByteArray(30, '\xC6'));
        QCOMPARE(bytes.mid(33, 30), padded("Caf? \xC6 ? \x88"));
        QCOMPARE(bytes.mid(93, 4), QByteArray("19\xC6\xC6"));
        QCOMPARE(Id3v1Tag::fitted(u"Zoë", 4, CodePage::Koi8R), QString("Zo? "));

        // Windows-1258 holds "ê" and the dot below, not "ệ": the letter takes two bytes, and
        // reads back as one letter again.
        tag.title = "Việt Nam";
        bytes = tag.render(CodePage::Windows1258);
        QCOMPARE(bytes.mid(3, 30), padded("Vi\xEA\xF2t Nam"));
        const auto read = Id3v1Tag::parse(bytes, CodePage::Windows1258);
        QCOMPARE(Id3v1Tag::shown(read->title), QString("Việt Nam"));
        QCOMPARE(read->render(CodePage::Windows1258), bytes);
        // A letter whose two bytes do not fit is left out whole; Windows-1252 has no accents of
        // its own, so there it is one '?'.
        tag.title = QString(29, u'a') + "ấ";
        QCOMPARE(tag.render(CodePage::Windows1258).mid(3, 30), QByteArray(29, 'a') + ' ');
        QCOMPARE(tag.render().mid(3, 30), QByteArray(29, 'a') + '?');
    }

    // The letters that would become '?' are named, each once in the order met, and only among
    // those that fit; '?' itself, and a letter a page holds as a letter and an accent, are held.
    void the_characters_a_page_lacks_are_named() {
        const struct {
            CodePage page;
            QString text;
            qsizetype max_bytes;
            QStringList lacking;
        } cases[] = {
            {CodePage::Windows1251, "über ü", -1, {"ü"}},
            {CodePage::Windows1252, "über", -1, {}},
            {CodePage::Windows1252, "Ж?😀 Жx", -1, {"Ж", "😀"}},
            {CodePage::Windows1258, "Việt", -1, {}},
            {CodePage::Koi8R, "Zoë ß", 4, {"ë"}},
        };
        for (const auto& c : cases)
            QCOMPARE(characters_lacking(c.page, c.text, c.max_bytes), c.lacking);
    }

    void every_page_reads_its_own_letters_and_gives_every_byte_back() {
        struct Sample {
            CodePage page;
            QByteArray bytes;
            QString text;
        };
        const Sample samples[] = {
            {CodePage::Windows1252, "Fa\347ade \200", "Façade €"}, // octal: \347 is 0xE7
            {CodePage::Windows1250, "\243\363d\237", "Łódź"},
            {CodePage::Windows1251, "\xCF\xF0\xE8\xE2\xE5\xF2", "Привет"},
            {CodePage::Windows1253, "\xCA\xE1\xEB\xE7\xEC\xDD\xF1\xE1", "Καλημέρα"},
            {CodePage::Windows1254, "\336ark\375", "Şarkı"},
            {CodePage::Windows1255, "\xF9\xEC\xE5\xED", "שלום"},
            {CodePage::Windows1256, "\xD3\xE1\xC7\xE3", "سلام"},
            {CodePage::Windows1257, "\336algiris", "Žalgiris"},
            {CodePage::Windows1258, "Vi\xEA\xF2t", "Việt"},
            {CodePage::Koi8R, "\xF0\xD2\xC9\xD7\xC5\xD4", "Привет"},
            {CodePage::Koi8U, "\xB7\xD6\xC1\xCB", "Їжак"},
            {CodePage::Cp866, "\x8F\xE0\xA8\xA2\xA5\xE2", "Привет"},
            {CodePage::Iso8859_1, "Fa\347ade \200", QString("Façade ") + QChar(0x80)},
            {CodePage::Windows874, "\xCA\xC7\xD1\xCA\xB4\xD5", "สวัสดี"},
        };
        for (const Sample& sample : samples) {
            const QString name = code_page_title(sample.page);
            QVERIFY2(code_page_available(sample.page), qPrintable(name));
            const QString text = decode_text(sample.page, sample.bytes);
            QCOMPARE(text.size(), sample.bytes.size()); // one character per byte
            QCOMPARE(Id3v1Tag::shown(text), sample.text);
            QCOMPARE(encode_text(sample.page, sample.text), sample.bytes);
            // Even bytes the page leaves undefined come back, so an untouched field keeps them.
            QCOMPARE(encode_text(sample.page, decode_text(sample.page, every_byte)), every_byte);
        }
        QCOMPARE(decode_text(CodePage::Windows1253, "\xD2").front(), QChar(0xF7D2));
    }

    void stored_names_name_their_page_and_unknown_ones_mean_windows_1252() {
        for (const CodePage page : code_pages())
            QCOMPARE(code_page_named(code_page_key(page).toUpper()), page);
        for (const char* unknown : {"", "utf-8", "cp1251", "windows-1251 "})
            QCOMPARE(code_page_named(QString(unknown)), CodePage::Windows1252);
    }

    void pages_that_read_bytes_as_letters_come_the_likeliest_first() {
        // "Привет, мир" in Windows-1251 shown as Windows-1252: Windows-1251 comes first.
        QList<CodePage> pages = letter_pages(privet_1251, CodePage::Windows1252);
        QCOMPARE(pages.size(), 3);
        QCOMPARE(pages.first(), CodePage::Windows1251);
        // Not CP866 (box drawing there), nor ISO 8859-1 (reads as Windows-1252 does).
        QVERIFY(!pages.contains(CodePage::Cp866) && !pages.contains(CodePage::Iso8859_1));

        // "Привет мир" in KOI8-R, shown as Windows-1251 ("рТЙЧЕФ НЙТ"): KOI8-R comes first, and
        // KOI8-U, which reads these bytes alike, is not offered twice.
        pages = letter_pages("\xF0\xD2\xC9\xD7\xC5\xD4 \xCD\xC9\xD2", CodePage::Windows1251);
        QCOMPARE(pages.first(), CodePage::Koi8R);
        QVERIFY(!pages.contains(CodePage::Koi8U));

        // "Καλημέρα" shown as Windows-1252, "Привет" in CP866 shown as Windows-1251, "Việt Nam"
        // in Windows-1258 shown as Windows-1252.
        const std::tuple<QByteArray, CodePage, CodePage> firsts[] = {
            {"\xCA\xE1\xEB\xE7\xEC\xDD\xF1\xE1", CodePage::Windows1252, CodePage::Windows1253},
            {"\x8F\xE0\xA8\xA2\xA5\xE2", CodePage::Windows1251, CodePage::Cp866},
            {"Vi\xEA\xF2t Nam", CodePage::Windows1252, CodePage::Windows1258}};
        for (const auto& [bytes, shown, first] : firsts)
            QCOMPARE(letter_pages(bytes, shown).first(), first);
        QCOMPARE(letter_pages("\xCF\xF0\xE8", CodePage::Windows1252, 1).size(), 1);
        QVERIFY(letter_pages("Plain title", CodePage::Windows1252).isEmpty());
    }
};

VINYLIX_TEST(CodePageTest)

#include "test_code_page.moc"
