#include "chart_bars.h"

#include "store/numeric_value.h"

namespace vinylix {

namespace {

// Bars shown at once where a catalogue may hold very many: a shelf of a hundred thousand discs
// is looked at a stretch at a time.
constexpr int shelf_page = 40;
constexpr int bitrate_page = 60;

QString albums_text(qint64 count) {
    return count == 1 ? QStringLiteral("1 album") : QStringLiteral("%1 albums").arg(count);
}

QString megabytes_text(qint64 hundredths) {
    return hundredths_text(hundredths) + QStringLiteral(" MB");
}

bool starts_with_digit(const QString& text) {
    return !text.isEmpty() && text.front() >= u'0' && text.front() <= u'9';
}

// A chart of albums counted per bar; `what` names a bar in its tooltip.
BarChart album_chart(const std::vector<ChartBar>& bars,
                     const std::function<QString(const ChartBar&)>& what) {
    BarChart chart;
    chart.amount_title = QStringLiteral("Albums");
    for (const ChartBar& bar : bars) {
        chart.labels << bar.label;
        chart.amounts.push_back(double(bar.albums));
        chart.tips << what(bar) + QStringLiteral(": ") + albums_text(bar.albums);
        chart.past.push_back(false);
    }
    return chart;
}

BarChart years_chart(const CatalogueCharts& charts) {
    BarChart chart = album_chart(charts.years, [](const ChartBar& bar) {
        return bar.value.isEmpty() ? QStringLiteral("Unknown year") : bar.label;
    });
    chart.title = QStringLiteral("Albums per year");
    chart.category_title = QStringLiteral("Year");
    return chart;
}

BarChart bitrates_chart(const CatalogueCharts& charts) {
    BarChart chart = album_chart(charts.bitrates, [](const ChartBar& bar) {
        if (bar.value.isEmpty())
            return QStringLiteral("Unknown bitrate");
        return starts_with_digit(bar.value) ? bar.value + QStringLiteral(" kbps") : bar.label;
    });
    chart.title = QStringLiteral("Albums per bitrate");
    chart.category_title = QStringLiteral("kbps");
    chart.page = bitrate_page;
    return chart;
}

QString off_shelf_note(const CatalogueCharts& charts) {
    QStringList apart;
    if (charts.audio_cds > 0)
        apart << (charts.audio_cds == 1 ? QStringLiteral("1 audio CD")
                                        : QStringLiteral("%1 audio CDs").arg(charts.audio_cds));
    if (charts.off_shelf > 0)
        apart << albums_text(charts.off_shelf) + QStringLiteral(" whose disc is not a number");
    return apart.isEmpty() ? QString()
                           : QStringLiteral("Not on a numbered disc: ") + apart.join(u", ") + u'.';
}

BarChart shelf_chart(const CatalogueCharts& charts, const ChartMedium& medium) {
    BarChart chart;
    chart.title = QStringLiteral("Megabytes per shelf disc");
    chart.category_title = QStringLiteral("Disc");
    chart.amount_title = QStringLiteral("MB");
    for (const DiscBar& disc : charts.discs) {
        const QString number = QString::number(disc.number);
        QString tip = QStringLiteral("Disc ") + number + QStringLiteral(": ") +
                      albums_text(disc.albums) + QStringLiteral(", ") +
                      megabytes_text(disc.size_hundredths);
        if (disc.past(medium.megabytes))
            tip += QStringLiteral(", ") +
                   megabytes_text(disc.size_hundredths - medium.megabytes * 100) +
                   QStringLiteral(" more than a ") + medium.name + QStringLiteral(" holds");
        chart.labels << number;
        chart.amounts.push_back(double(disc.size_hundredths) / 100);
        chart.tips << tip;
        chart.past.push_back(disc.past(medium.megabytes));
    }
    chart.limit_name = medium.name;
    chart.limit = double(medium.megabytes);
    chart.note = off_shelf_note(charts);
    chart.page = shelf_page;
    return chart;
}

BarChart artists_chart(const CatalogueCharts& charts) {
    BarChart chart = album_chart(charts.artists, [](const ChartBar& bar) { return bar.label; });
    chart.title = QStringLiteral("The %1 artists with the most albums").arg(charted_artists);
    chart.category_title = QStringLiteral("Artist");
    chart.horizontal = true;
    return chart;
}

} // namespace

BarChart bar_chart(const CatalogueCharts& charts, ChartKind kind, const ChartMedium& medium) {
    switch (kind) {
    case ChartKind::Years:
        return years_chart(charts);
    case ChartKind::Bitrates:
        return bitrates_chart(charts);
    case ChartKind::Shelf:
        return shelf_chart(charts, medium);
    case ChartKind::Artists:
        return artists_chart(charts);
    }
    return {};
}

std::optional<ChartChoice> chart_choice(const CatalogueCharts& charts, ChartKind kind, int bar) {
    const auto pick = [&](const std::vector<ChartBar>& bars) -> std::optional<ChartChoice> {
        if (bar < 0 || std::size_t(bar) >= bars.size() || bars[std::size_t(bar)].albums == 0)
            return std::nullopt;
        const ChartBar& b = bars[std::size_t(bar)];
        if (kind == ChartKind::Years && b.value.isEmpty())
            return std::nullopt;
        return ChartChoice{kind, b.value};
    };
    switch (kind) {
    case ChartKind::Years:
        return pick(charts.years);
    case ChartKind::Bitrates:
        return pick(charts.bitrates);
    case ChartKind::Artists:
        return pick(charts.artists);
    case ChartKind::Shelf:
        if (bar < 0 || std::size_t(bar) >= charts.discs.size())
            return std::nullopt;
        return ChartChoice{kind, QString::number(charts.discs[std::size_t(bar)].number)};
    }
    return std::nullopt;
}

} // namespace vinylix
