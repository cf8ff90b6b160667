#include "search/cl_fields.h"
#include "search_fixture.h"
#include "support/test_registry.h"

using namespace vinylix;
using test::SearchCatalogue;

namespace {

// Albums on shelf CDs 45, 5, an audio CD, 120 and 5 again, in the recordset's order.
void add_shelf(SearchCatalogue& c) {
    c.add("Abba", "Gold", {}, "45", "1");
    c.add("Beatles", "Anthology", {}, "5", "10", "1995");
    c.add("Beatles", "Help", {}, "CDA", "2", "1965");
    c.set_last("Cover", "YES");
    c.add("Cure", "Faith", {}, "120", "1", "1981");
    c.add("Doors", "L.A. Woman", {}, "5", "2");
}

} // namespace

class FieldBrowserTest : public QObject {
    Q_OBJECT
private slots:
    void collects_each_value_once_in_first_met_order() {
        SearchCatalogue c;
        add_shelf(c);
        Recordset* set = c.open().artists.get();
        CL_Fields fields;
        QList<std::pair<qint64, qint64>> steps;
        fields.load_props(set, [&](qint64 done, qint64 total) { steps.append({done, total}); });
        QCOMPARE(steps.size(), 5);
        QCOMPARE(steps.last(), std::make_pair(qint64(5), qint64(5)));
        QCOMPARE(fields.cd_values(), std::vector<QString>({"45", "5", "CDA", "120"}));
        QCOMPARE(fields.cds_values(), std::vector<qint64>({1, 10, 2}));
        QCOMPARE(fields.year_values(), std::vector<QString>({"1995", "1965", "1981"}));

        const auto entries = [&](BrowsedField f) { return fields.display_sub_prop(set, int(f)); };
        QCOMPARE(entries(BrowsedField::Cover), QStringList({"No", "Yes"}));
        QCOMPARE(entries(BrowsedField::Kbps), QStringList({"-", "128"}));
        QCOMPARE(entries(BrowsedField::Year), QStringList({"1965", "1981", "1995"}));
    }

    void finds_the_albums_holding_a_value() {
        SearchCatalogue c;
        add_shelf(c);
        Recordset* set = c.open().artists.get();
        set->set_absolute_position(2);
        const auto albums = [&](BrowsedField f, const QString& entry) {
            return CL_Fields::display_prop(set, int(f), entry);
        };
        QCOMPARE(albums(BrowsedField::CD, "CD nº005"),
                 QStringList({"Beatles - Anthology", "Doors - L.A. Woman"}));
        QCOMPARE(albums(BrowsedField::CD, "CDA"), QStringList({"Beatles - Help"}));
        QCOMPARE(albums(BrowsedField::Cover, "Yes"), QStringList({"Beatles - Help"}));
        QCOMPARE(albums(BrowsedField::Cds, "10"), QStringList({"Beatles - Anthology"}));
        QCOMPARE(albums(BrowsedField::Year, "1981"), QStringList({"Cure - Faith"}));
        QCOMPARE(set->value(u"Album"), QStringLiteral("Help"));
        QCOMPARE(CL_Fields::criteria_for(int(BrowsedField::CD), "CD nº007")->value,
                 QStringLiteral("7"));
    }

    void closed_or_empty_catalogue_offers_no_value() {
        CL_Fields fields;
        fields.load_props(nullptr);
        QVERIFY(fields.display_sub_prop(nullptr, int(BrowsedField::Cover)).isEmpty());
        QVERIFY(CL_Fields::display_prop(nullptr, int(BrowsedField::Cover), "Yes").isEmpty());
        SearchCatalogue c;
        Recordset* set = c.open().artists.get();
        fields.load_props(set);
        QVERIFY(fields.display_sub_prop(set, int(BrowsedField::Cover)).isEmpty());
        QCOMPARE(CL_Fields::results_text({"a", "b"}), QStringLiteral("a\r\nb\r\n"));
    }
};

VINYLIX_TEST(FieldBrowserTest)
#include "test_field_browser.moc"
