#include "support/albums.h"
#include "support/test_registry.h"

#include "store/album_batch.h"
#include "store/change_recording.h"

#include <QTest>
#include <SQLiteCpp/Database.h>
#include <SQLiteCpp/Statement.h>
#include <csignal>
#include <sys/wait.h>
#include <unistd.h>

using namespace vinylix;

namespace {

// Every row of the catalogue file as stored, in rowid order: the rowid, then each field's
// type and bytes.
QList<QByteArrayList> stored_rows(const QString& path) {
    SQLite::Database db(path.toStdString(), SQLite::OPEN_READONLY);
    SQLite::Statement rows(db, "SELECT rowid, Artist, Album, Songs, Cover, Cds, Kbps, CD, Size, "
                               "Year FROM vinylix ORDER BY rowid");
    QList<QByteArrayList> all;
    while (rows.executeStep()) {
        QByteArrayList row{QByteArray::number(qint64(rows.getColumn(0).getInt64()))};
        for (int f = 1; f <= 9; ++f) {
            const SQLite::Column field = rows.getColumn(f);
            row << QByteArray::number(field.getType()) + ':' +
                       QByteArray(static_cast<const char*>(field.getBlob()), field.getBytes());
        }
        all << row;
    }
    return all;
}

// What a recordset shows, record by record, in its order.
QStringList shown_records(Recordset& set) {
    set.restore_order();
    QStringList records;
    for (set.move_first(); !set.eof(); set.move_next()) {
        const AlbumRecord record = set.record();
        records << QStringList(record.fields.begin(), record.fields.end()).join(u'|');
    }
    return records;
}

// Rows as other programs and hand edits leave them: quotes, tabs, line breaks, bytes that are
// no UTF-8, NULLs, a BLOB, a song list of half a megabyte, one artist in two letter cases.
void put_hostile_rows(const QString& path) {
    SQLite::Database db(path.toStdString(), SQLite::OPEN_READWRITE);
    db.exec("INSERT INTO vinylix VALUES ('Guns \"N\" Roses', 'Use ''Your'' Illusion', "
            "'a' || char(9) || 'b' || char(13, 10) || 'c', 'Yes', '2', '192', '12', '650.25', "
            "'1991')");
    db.exec("INSERT INTO vinylix VALUES (CAST(X'4162FF' AS TEXT), 'Gold', "
            "CAST(X'610D0AFF62' AS TEXT), NULL, '1', NULL, '4', X'00FF', '')");
    db.exec("INSERT INTO vinylix VALUES ('Long', 'Songs', replace(hex(zeroblob(70000)), '00', "
            "'Song' || char(13, 10)), 'No', '1', '128', '5', '700', '2001')");
    db.exec("INSERT INTO vinylix VALUES ('Zappa', 'Hot Rats', '', 'No', '1', '128', '7', '600', "
            "'1969')");
    db.exec("INSERT INTO vinylix VALUES ('zappa', 'Apostrophe ('')', NULL, 'No', '1', '128', "
            "'7', '600', '1974')");
}

// The catalogue with hostile rows, opened as the main window opens it.
struct Opened {
    test::TempFolder folder;
    QString path = folder.make_catalogue();
    SharedState state;
    Opened() {
        put_hostile_rows(path);
        test::load_into(state, folder.path());
    }
    // Undo or redo, the main recordset read anew afterwards when it says so, as the main
    // window does.
    UndoOutcome undo() { return replayed(state.history.undo({state.artists.get(), {}})); }
    UndoOutcome redo() { return replayed(state.history.redo({state.artists.get(), {}})); }
    UndoOutcome replayed(UndoOutcome outcome) {
        if (!outcome.read_again)
            state.artists->reload(nullptr);
        return outcome;
    }
};

void edit_rows(Recordset& set, const QString& artist, Field field, const QString& value) {
    RecordsetTransaction transaction(set, nullptr);
    for (bool found = set.find_first({"Artist", artist}); found;
         found = set.find_next({"Artist", artist})) {
        set.edit();
        set.set_value(field_name(field), value);
        QString error;
        QVERIFY2(set.update(&error), qPrintable(error));
    }
    QVERIFY(transaction.commit(nullptr));
}

// Makes the change the Edit menu names `name` ("Delete <album>" deletes that one album), on the
// hostile rows, as one step.
void make_change(SharedState& s, const QString& name) {
    QString error;
    if (name == "Delete All Albums") {
        QVERIFY2(delete_all_albums(s.history, *s.vinylixdb, {}, &error), qPrintable(error));
        return;
    }
    ChangeRecording recording(s.history, s.vinylixdb);
    if (name == "Add Album")
        test::add_album(*s.artists, "Abba", "Gold\t\"Live\"", "One\r\nTwo");
    if (name == "Edit Album")
        edit_rows(*s.artists, QString::fromUtf8("Ab\xEF\xBF\xBD"), Field::Year, "1992");
    if (name == "Rename Artist")
        edit_rows(*s.artists, "Zappa", Field::Artist, "Frank Zappa");
    if (name.startsWith("Delete "))
        for (const QString& album :
             name == "Delete 2 Albums" ? QStringList{"Songs", "Gold"} : QStringList{name.mid(7)}) {
            QVERIFY(s.artists->find_first({"Album", album}));
            QVERIFY2(s.artists->delete_current(&error), qPrintable(error));
        }
    if (name == "Add 2 Albums")
        QVERIFY(add_albums(*s.vinylixdb, {{{"Björk", "Post"}}, {{"Björk", "Debut"}}}).ok);
    recording.keep(name.startsWith("Add")      ? ChangeKind::Added
                   : name.startsWith("Delete") ? ChangeKind::Deleted
                   : name == "Edit Album"      ? ChangeKind::Edited
                                               : ChangeKind::ArtistRenamed);
}

} // namespace

class ChangeHistoryTest : public QObject {
    Q_OBJECT
private slots:
    // Each change undone leaves every row of the file as it was before, rowid, types and bytes
    // alike; redone, as the change left it; twice over. The main recordset shows what a fresh
    // read of the file shows.
    void undo_and_redo_put_back_every_byte() {
        const char* const names[] = {"Add Album",       "Edit Album",   "Rename Artist",
                                     "Delete 2 Albums", "Add 2 Albums", "Delete All Albums"};
        for (const char* name : names) {
            Opened o;
            const auto before = stored_rows(o.path);
            make_change(o.state, name);
            const auto after = stored_rows(o.path);
            QCOMPARE(o.state.history.undo_name(), QString::fromLatin1(name));
            QVERIFY2(after != before, name);
            // Once the recordset holds what the file holds, it reads the rows an undo or redo
            // wrote, and no more.
            for (int round = 0; round < 2; ++round) {
                const UndoOutcome undone = o.undo();
                QVERIFY2(undone.carried_out && (round == 0 || undone.read_again), name);
                QVERIFY2(undone.notice.isEmpty(), qPrintable(undone.notice));
                QVERIFY2(stored_rows(o.path) == before, name);
                QCOMPARE(shown_records(*o.state.artists), shown_records(*test::open_main(o.path)));
                QCOMPARE(o.state.history.redo_name(), QString::fromLatin1(name));
                QVERIFY2(o.redo().read_again, name);
                QVERIFY2(stored_rows(o.path) == after, name);
                QCOMPARE(shown_records(*o.state.artists), shown_records(*test::open_main(o.path)));
            }
        }
    }

    // An album another program changed since is left as it is and named; the rest is undone.
    // An album whose rowid another program's album took meanwhile comes back under a new one.
    void what_another_program_changed_is_left_alone() {
        Opened o;
        make_change(o.state, "Rename Artist");
        SQLite::Database other(o.path.toStdString(), SQLite::OPEN_READWRITE);
        other.exec("UPDATE vinylix SET Year = '2000' WHERE Album = 'Hot Rats'");
        const UndoOutcome undone = o.undo();
        QVERIFY(undone.carried_out);
        QVERIFY2(undone.notice.contains("Frank Zappa - Hot Rats"), qPrintable(undone.notice));
        QVERIFY(!undone.notice.contains("Apostrophe"));
        QCOMPARE(test::stored_field(o.path, "Frank Zappa", "Hot Rats", "Year"), "2000");
        QCOMPARE(test::stored_field(o.path, "zappa", "Apostrophe (')", "Year"), "1974");

        make_change(o.state, "Delete Apostrophe (')");
        other.exec("INSERT INTO vinylix (Artist, Album) VALUES ('Other', 'Taken')");
        const auto with_other = stored_rows(o.path);
        const UndoOutcome back = o.undo();
        QVERIFY2(back.carried_out, qPrintable(back.reason));
        QCOMPARE(stored_rows(o.path).mid(0, with_other.size()), with_other);
        QCOMPARE(test::stored_field(o.path, "zappa", "Apostrophe (')", "Year"), "1974");
        QVERIFY(o.redo().carried_out);
        QCOMPARE(stored_rows(o.path), with_other);
    }

    // An undo the catalogue refuses (read-only here) changes neither the file nor the history.
    void an_undo_that_cannot_be_made_leaves_all_as_it_was() {
        Opened o;
        make_change(o.state, "Delete Songs");
        const auto after = stored_rows(o.path);
        QFile::setPermissions(o.path, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther);
        SharedState read_only;
        test::load_into(read_only, o.folder.path());
        const UndoOutcome refused = o.state.history.undo({read_only.artists.get(), {}});
        QVERIFY(!refused.carried_out);
        QVERIFY2(refused.reason.contains("read-only"), qPrintable(refused.reason));
        QCOMPARE(stored_rows(o.path), after);
        QCOMPARE(o.state.history.undo_name(), QStringLiteral("Delete Album"));
        QVERIFY(o.state.history.redo_name().isEmpty());
        QFile::setPermissions(o.path, QFile::ReadOwner | QFile::WriteOwner);
        QVERIFY(o.undo().carried_out);
    }

    // A large catalogue deleted whole comes back whole, piece by piece, and goes again at
    // once. The undo is one transaction: killed half-way through, the program leaves the file
    // either before the undo or after it.
    void a_whole_catalogue_comes_back_in_one_transaction() {
        test::TempFolder folder;
        const QString path = folder.make_catalogue();
        constexpr int albums = 24000; // more than the rows read one by one, in four spans
        SQLite::Database(path.toStdString(), SQLite::OPEN_READWRITE)
            .exec("WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 3 FROM n WHERE i < " +
                  std::to_string(3 * albums - 2) +
                  ") INSERT INTO vinylix (rowid, Artist, Album, Songs, Year) SELECT i, "
                  "'Artist ' || i, 'Album ' || i, CAST(X'FF' AS TEXT), NULL FROM n");
        {
            const auto before = stored_rows(path);
            SharedState state;
            test::load_into(state, folder.path());
            QString error;
            QVERIFY(delete_all_albums(state.history, *state.vinylixdb, {}, &error));
            state.artists->reload(nullptr);
            QVERIFY(!state.history.undo({state.artists.get(), {}}).read_again);
            QVERIFY(stored_rows(path) == before);
            state.artists->reload(nullptr);
            QVERIFY(state.history.redo({state.artists.get(), {}}).carried_out);
            QVERIFY(stored_rows(path).isEmpty());
            QVERIFY(state.history.undo({state.artists.get(), {}}).carried_out);
        }
        int ready[2];
        QVERIFY(pipe(ready) == 0);
        const pid_t child = fork();
        if (child == 0) {
            close(ready[0]);
            qputenv("TMPDIR", folder.path().toLocal8Bit());
            SharedState state;
            test::load_into(state, folder.path());
            QString error;
            if (!delete_all_albums(state.history, *state.vinylixdb, {}, &error)) {
                qWarning("the albums could not be deleted: %s", qPrintable(error));
                _exit(1);
            }
            const auto halfway = [&](qint64, qint64) {
                (void)!write(ready[1], "x", 1);
                pause(); // killed here, inside the transaction
                return true;
            };
            const UndoOutcome outcome = state.history.undo({state.artists.get(), halfway});
            qWarning("the undo ran to its end: %s", qPrintable(outcome.reason));
            _exit(2);
        }
        close(ready[1]);
        char byte = 0;
        QCOMPARE(read(ready[0], &byte, 1), ssize_t(1));
        close(ready[0]);
        kill(child, SIGKILL);
        int status = 0;
        QCOMPARE(waitpid(child, &status, 0), child);
        QVERIFY(WIFSIGNALED(status));
        SQLite::Database db(path.toStdString(), SQLite::OPEN_READWRITE);
        QCOMPARE(db.execAndGet("PRAGMA integrity_check").getString(), std::string("ok"));
        const int count = db.execAndGet("SELECT count(*) FROM vinylix").getInt();
        QVERIFY2(count == 0 || count == albums, qPrintable(QString::number(count)));
    }

    // The last hundred steps are kept; a new step after an undo clears the redo side.
    void the_history_keeps_a_hundred_steps() {
        struct Step : UndoStep {
            QString label;
            explicit Step(int n) : label(QString::number(n)) {}
            QString name() const override { return label; }
            UndoOutcome undo(const UndoContext& context) override { return redo(context); }
            UndoOutcome redo(const UndoContext&) override {
                UndoOutcome outcome;
                outcome.carried_out = true;
                return outcome;
            }
        };
        UndoHistory history;
        for (int n = 1; n <= 101; ++n)
            history.push(std::make_unique<Step>(n));
        int undone = 0;
        while (history.undo({}).carried_out)
            ++undone;
        QCOMPARE(undone, 100);
        QCOMPARE(history.redo_name(), QStringLiteral("2"));
        QVERIFY(history.redo({}).carried_out);
        history.push(std::make_unique<Step>(0));
        QVERIFY(history.redo_name().isEmpty());
    }
};

VINYLIX_TEST(ChangeHistoryTest)
#include "test_change_history.moc"
