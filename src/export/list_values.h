#pragma once

#include "app/options.h"
#include "store/album_record.h"

#include <QByteArrayView>
#include <QString>
#include <functional>
#include <vector>

namespace vinylix {

// Told the album lines written out of all; answers true to go on, false to stop the list.
using ListProgress = std::function<bool(qint64 done, qint64 total)>;

// Takes the bytes of a list piece by piece; answers false when it could not take them.
using ListSink = std::function<bool(QByteArrayView piece)>;

// The product's home page, named in the credit of both lists.
inline const QString home_page = QStringLiteral("https://vinylix.example.org/");

// An export check box counts as ticked when its state is 1.
inline bool ticked(CheckState state) {
    return state == 1;
}

// The album properties whose boxes are ticked, in the lists' order: Year, Cover, Cds, Kbps,
// CD, Size. Year and Size ticked give {Field::Year, Field::Size}.
std::vector<Field> ticked_properties(const ExportOptions& options);

// A size as the lists write it: the first "." becomes ",". Applied to the size just appended
// to `out` at `from`: "650.5" gives "650,5", "1.2.3" gives "1,2.3", "1200" stays "1200".
template <typename Text> void put_decimal_comma(Text& out, qsizetype from) {
    if (const qsizetype point = out.indexOf('.', from); point >= 0)
        out[point] = ',';
}

// The statistics' total size in its plain form with `decimal_point` for the point:
// 1300.5 and "," give "1300,5"; 42 gives "42".
QString total_size_text(double total_size, const QString& decimal_point);

} // namespace vinylix
