#include "support/test_registry.h"

#include "import/folder_name_format.h"

#include <QTest>

using namespace vinylix;

namespace {

FolderNameFormat format_of(const char* text) {
    const auto split = FolderNameFormat::split(QString::fromUtf8(text));
    if (!split.format)
        qFatal("format refused: %s", text);
    return *split.format;
}

std::optional<FolderNameFields> match(const char* format, const char* name) {
    return match_folder_name(format_of(format), QString::fromUtf8(name));
}

FolderNameFields fields(const char* artist, const char* album) {
    return {QString::fromUtf8(artist), QString::fromUtf8(album)};
}

} // namespace

class FolderNameFormatTest : public QObject {
    Q_OBJECT

private slots:
    void splits_around_the_placeholders_in_either_order() {
        QCOMPARE(format_of("[%1] - %2"), (FolderNameFormat{"[", "] - ", "", true}));
        QCOMPARE(format_of("%2 - %1 (mp3)"), (FolderNameFormat{"", " - ", " (mp3)", false}));
        QCOMPARE(format_of("%1%%2"), (FolderNameFormat{"", "%", "", true}));
    }

    void refuses_a_format_it_cannot_match_and_says_why() {
        for (const char* format : {"", "%1 - Album", "Artist - %2", "%3 - %4", "%1%2", "%2%1"}) {
            const auto split = FolderNameFormat::split(QString::fromUtf8(format));
            QVERIFY2(!split.format, format);
            QVERIFY2(split.reason.contains("%1") && split.reason.contains("%2"), format);
        }
        QVERIFY(FolderNameFormat::split(u"%1%2").reason.contains("between"));
    }

    // Prefix, middle and suffix are found ignoring letter case; the first middle splits; a
    // missing prefix or suffix takes nothing off; a name without both fields is rejected.
    void folder_names_give_artist_and_album() {
        const struct {
            const char* format;
            const char* name;
            std::optional<FolderNameFields> fields;
        } cases[] = {
            {"[%1] - %2", "[Metallica] - Black Album", fields("Metallica", "Black Album")},
            {"%2 - %1", "Black Album - Metallica", fields("Metallica", "Black Album")},
            {"%1 - %2 (mp3)", "Artist - Album (mp3)", fields("Artist", "Album")},
            {"%1 - %2 (mp3)", "Artist - Album", fields("Artist", "Album")},
            {"%1 - %2", "Artist_Album", std::nullopt},
            {"%1 AND %2", "Simon and Garfunkel", fields("Simon", "Garfunkel")},
            {"%1 - %2", "A - B - C", fields("A", "B - C")},
            {"[%1] - %2", "Metallica] - Black Album", fields("Metallica", "Black Album")},
            {"%1 - %2 (mp3)", "Artist - Album (mp3) [disc]", fields("Artist", "Album")},
            {"%1 - %2 (mp3)", "Artist - Album (mp3) (mp3)", fields("Artist", "Album (mp3)")},
            {"x - %1 - %2", "x - Artist - Album", std::nullopt}, // middle before the prefix ends
            {"[%1] - %2", "x] - y [z", std::nullopt},
            {"[%1] - %2", "[] - Album", std::nullopt}, // an empty artist or album
            {"%1 - %2", "Artist - ", std::nullopt},
        };
        for (const auto& c : cases)
            QVERIFY2(match(c.format, c.name) == c.fields, c.name);
    }

    void arranges_cases_word_by_word_at_spaces_only() {
        QStringList arranged;
        for (const char* name : {"pInK fLoYd", "THE  WALL", "AC/DC", " édith piaf", ""})
            arranged << arrange_case(QString::fromUtf8(name));
        QCOMPARE(arranged, QStringList({"Pink Floyd", "The  Wall", "Ac/dc", " Édith Piaf", ""}));
    }
};

VINYLIX_TEST(FolderNameFormatTest)

#include "test_folder_name_format.moc"
