#include "catalogue_charts.h"

#include "chart_tally.h"
#include "store/two_threads.h"

namespace vinylix {

namespace {

// Where the rows part for the two cores: the first row from the middle on that begins an
// artist, so that each artist's rows are counted on one side.
std::size_t middle_artist(const RowStore& rows) {
    std::size_t middle = rows.size() / 2;
    while (middle > 0 && middle < rows.size() &&
           rows.artist_key(middle) == rows.artist_key(middle - 1))
        ++middle;
    return middle;
}

// The rows counted in the browser's order, half on each core; nothing when they are not in
// that order (albums were stored since they were sorted).
std::optional<CatalogueCharts> in_browser_order(const RowStore& rows, int this_year) {
    const std::size_t middle = middle_artist(rows);
    ChartTally first(rows, this_year, RowOrder::Browser);
    ChartTally second(rows, this_year, RowOrder::Browser);
    bool first_in_order = true, second_in_order = true;
    run_on_two_threads([&] { first_in_order = first.add(0, middle); },
                       [&] { second_in_order = second.add(middle, rows.size()); });
    if (!first_in_order || !second_in_order || !first.comes_before(second))
        return std::nullopt;
    first.append(second);
    return first.result();
}

} // namespace

CatalogueCharts catalogue_charts(const Recordset& albums, int this_year) {
    const RowStore& rows = albums.rows();
    if (std::optional<CatalogueCharts> charts = in_browser_order(rows, this_year))
        return std::move(*charts);
    ChartTally any(rows, this_year, RowOrder::Any);
    any.add(0, rows.size());
    return any.result();
}

} // namespace vinylix
