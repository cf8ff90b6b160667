#pragma once

#include "store/catalogue_load.h"
#include "support/albums.h"
#include "support/temp_folder.h"

#include <QComboBox>
#include <QListWidget>
#include <QTest>

namespace vinylix::test {

// A catalogue in a temporary folder, opened into a shared state as the program opens it.
struct SearchCatalogue {
    TempFolder folder;
    SharedState state;
    std::unique_ptr<Recordset> writer = open_main(folder.make_catalogue());

    void add(const QString& artist, const QString& album, const QString& songs = {},
             const QString& cd = QStringLiteral("1"), const QString& cds = QStringLiteral("1"),
             const QString& year = {}) {
        add_album(*writer, artist, album, songs, cds, cd, {}, year);
    }
    // Sets one field of the album added last.
    void set_last(const QString& field, const QString& value) {
        writer->move_last();
        writer->edit();
        writer->set_value(field, value);
        QString error;
        QVERIFY2(writer->update(&error), qPrintable(error));
    }
    SharedState& open() {
        load_catalogue(state, folder.path());
        return state;
    }
};

inline QStringList texts(const QAbstractItemView* list) {
    QStringList lines;
    for (int i = 0; i < list->model()->rowCount(); ++i)
        lines << list->model()->index(i, 0).data().toString();
    return lines;
}

inline QStringList texts(const QComboBox* combo) {
    QStringList items;
    for (int i = 0; i < combo->count(); ++i)
        items << combo->itemText(i);
    return items;
}

inline void click_row(QAbstractItemView* list, int row) {
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualRect(list->model()->index(row, 0)).center());
}

// Chooses an entry of a closed combo box with the keyboard, as a user does.
inline void choose(QComboBox* combo, int index) {
    QTest::keyClick(combo, Qt::Key_Home);
    for (int i = 0; i < index; ++i)
        QTest::keyClick(combo, Qt::Key_Down);
}

} // namespace vinylix::test
