// The album editor over the catalogue file's bytes: an unchanged OK over albums stored in every
// layout leaves them as they were; an edit rewrites only what changed.
#include "app/mainframe.h"
#include "app/startup.h"
#include "browse/explore_tab.h"
#include "hostile_albums.h"
#include "support/albums.h"
#include "support/scripted_prompts.h"
#include "support/temp_folder.h"
#include "support/test_registry.h"
#include "support/widgets.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <SQLiteCpp/Database.h>
#include <SQLiteCpp/Statement.h>

using namespace vinylix;
using namespace vinylix::test;
using namespace Qt::StringLiterals;

namespace {

// Every row of the catalogue file as its bytes: the type and hex of each field.
QStringList stored_bytes(const QString& path) {
    SQLite::Database db(path.toStdString(), SQLite::OPEN_READONLY);
    QString columns = u"rowid"_s;
    for (const QString& name : field_names())
        columns += QStringLiteral(", typeof(%1)||hex(%1)").arg(name);
    SQLite::Statement rows(db,
                           ("SELECT " + columns + " FROM vinylix ORDER BY rowid").toStdString());
    QStringList all;
    while (rows.executeStep()) {
        QStringList fields;
        for (int c = 0; c < rows.getColumnCount(); ++c)
            fields << QString::fromStdString(rows.getColumn(c).getString());
        all << fields.join(u' ');
    }
    return all;
}

// A catalogue holding `albums`, and rows a program of another making may leave: bytes that
// are no UTF-8, and fields that are NULL. The main window is open on it.
struct Fixture {
    TempFolder folder;
    ScriptedPromptsScope prompts;
    std::unique_ptr<Mainframe> main;

    explicit Fixture(const std::vector<AlbumRecord>& albums) {
        const QString path = folder.make_catalogue();
        {
            auto set = open_main(path);
            for (const AlbumRecord& album : albums) {
                set->add_new();
                for (int f = 0; f < field_count; ++f)
                    set->set_value(field_names()[std::size_t(f)], album.fields[std::size_t(f)]);
                QString error;
                QVERIFY2(set->update(&error), qPrintable(error));
            }
        }
        SQLite::Database db(path.toStdString(), SQLite::OPEN_READWRITE);
        db.exec("INSERT INTO vinylix VALUES('Bytes','No UTF-8',CAST(X'610D0AFF62' AS TEXT),"
                "CAST(X'59E973' AS TEXT),'1','128','4','650',NULL)");
        db.exec("INSERT INTO vinylix VALUES('Bytes','Nulls',NULL,NULL,NULL,'128','4','650',"
                "NULL)");
        main = start_program(folder.path());
    }

    QString path() const { return folder.file(u"Vinylix.vnx"_s); }

    ExploreTab& browser() const { return *test::child<ExploreTab>(*main, "explore_frame"); }

    void edit(const QString& artist, const QString& album,
              const std::function<void(QDialog&)>& drive) {
        browser().select_artist_and_album(artist, album);
        prompts->on_modal = drive;
        test::child<QAction>(*main, "editsel_mnu")->trigger();
        prompts->on_modal = nullptr;
    }
};

// Presses OK by keyboard, as a user who opened the album and changed nothing.
void press_ok(QDialog& d) {
    QApplication::setActiveWindow(&d);
    child<QPushButton>(d, "ok_bttn")->setFocus();
    QTest::keyClick(child<QPushButton>(d, "ok_bttn"), Qt::Key_Space); // refused when a box is empty
}

} // namespace

class EditorWindowTest : public QObject {
    Q_OBJECT
private slots:
    // Opening each album and pressing OK without touching anything leaves every byte of the
    // catalogue file as it was, whatever layout, text or bytes an album was stored with.
    void an_unchanged_ok_leaves_the_file_byte_for_byte() {
        const std::vector<AlbumRecord> albums = hostile_albums();
        Fixture f(albums);
        const QStringList before = stored_bytes(f.path());
        for (const AlbumRecord& album : albums)
            f.edit(album[Field::Artist], album[Field::Album], press_ok);
        f.edit("Bytes", "No UTF-8", press_ok);
        f.edit("Bytes", "Nulls", press_ok);
        QCOMPARE(f.prompts->texts("modal").size(), int(albums.size()) + 2);
        QCOMPARE(stored_bytes(f.path()), before);
        // What the browser showed of the LF album is what the editor shows.
        f.edit(albums[0][Field::Artist], albums[0][Field::Album], [](QDialog& d) {
            QCOMPARE(child<QPlainTextEdit>(d, "song_list_txt")->toPlainText(), u"a"_s);
            child<QPushButton>(d, "next_cd")->click();
            QCOMPARE(child<QPlainTextEdit>(d, "song_list_txt")->toPlainText(), u"b"_s);
        });
    }

    // Editing the year of the album with bytes that are no UTF-8 rewrites the year alone.
    void an_edit_rewrites_only_the_field_changed() {
        Fixture f({});
        const QStringList before = stored_bytes(f.path());
        f.edit("Bytes", "No UTF-8", [](QDialog& d) {
            QLineEdit* year = child<QLineEdit>(d, "year_txt");
            QTest::keyClicks(year, "1999");
            QTest::keyClick(year, Qt::Key_Return);
        });
        const QStringList after = stored_bytes(f.path());
        QCOMPARE(after[0].section(u' ', 0, 8), before[0].section(u' ', 0, 8));
        QCOMPARE(after[0].section(u' ', 9), u"text31393939"_s);
    }
};

VINYLIX_TEST(EditorWindowTest)
#include "test_editor_window.moc"
