#include "support/test_registry.h"

#include "mp3/bitrate_table.h"

#include <QTest>

using vinylix::BitrateTable;
using vinylix::shift_those_bits;

class BitrateTableTest : public QObject {
    Q_OBJECT

private:
    static BitrateTable loaded() {
        BitrateTable table;
        table.load_bitrate();
        return table;
    }

    // Values of one column for bitrate indices 1 to 14, as the MPEG standards list them.
    static void check_column(const BitrateTable& table, int column, const QList<int>& values) {
        for (int index = 1; index <= 14; ++index)
            QCOMPARE(table.value(column, index), values[index - 1]);
    }

private slots:
    void text_is_fourteen_rows_of_24_characters() {
        const QByteArray text = loaded().text();
        QCOMPARE(text.size(), 336);
        QCOMPARE(text.mid(0, 24), QByteArray("032,032,032,032,008,008,"));
        QCOMPARE(text.mid(24, 24), QByteArray("064,048,040,048,016,016,"));
        QCOMPARE(text.mid(8 * 24, 24), QByteArray("288,160,128,144,080,080,"));
        QCOMPARE(text.mid(13 * 24, 24), QByteArray("448,384,320,256,160,160,"));
    }

    void columns_hold_the_standard_bitrates() {
        const BitrateTable table = loaded();
        check_column(table, 7, {32, 64, 96, 128, 160, 192, 224, 256, 288, 320, 352, 384, 416, 448});
        check_column(table, 6, {32, 48, 56, 64, 80, 96, 112, 128, 160, 192, 224, 256, 320, 384});
        check_column(table, 5, {32, 40, 48, 56, 64, 80, 96, 112, 128, 160, 192, 224, 256, 320});
        check_column(table, 3, {32, 48, 56, 64, 80, 96, 112, 128, 144, 160, 176, 192, 224, 256});
        const QList<int> lower = {8, 16, 24, 32, 40, 48, 56, 64, 80, 96, 112, 128, 144, 160};
        check_column(table, 2, lower);
        check_column(table, 1, lower);
    }

    void reserved_layer_free_format_and_forbidden_index_stay_zero() {
        const BitrateTable table = loaded();
        for (int index = 0; index < BitrateTable::index_count; ++index) {
            QCOMPARE(table.value(0, index), 0);
            QCOMPARE(table.value(4, index), 0);
        }
        for (int column = 0; column < BitrateTable::column_count; ++column) {
            QCOMPARE(table.value(column, 0), 0);
            QCOMPARE(table.value(column, 15), 0);
        }
        QCOMPARE(table.value(8, 1), 0);
        QCOMPARE(table.value(-1, 1), 0);
    }

    void shift_moves_four_bits_left_and_keeps_the_middle() {
        QCOMPARE(shift_those_bits({0xFF, 0xFB, 0x90}), (std::array<std::uint8_t, 2>{0xFF, 0xB9}));
        QCOMPARE(shift_those_bits({0x12, 0x34, 0x56}), (std::array<std::uint8_t, 2>{0x23, 0x45}));
        QCOMPARE(shift_those_bits({0xAB, 0xCD, 0xEF}), (std::array<std::uint8_t, 2>{0xBC, 0xDE}));
        QCOMPARE(shift_those_bits({0xF0, 0x0F, 0xF0}), (std::array<std::uint8_t, 2>{0x00, 0xFF}));
    }
};

VINYLIX_TEST(BitrateTableTest)

#include "bitrate_table_test.moc"
