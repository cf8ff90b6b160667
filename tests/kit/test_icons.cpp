#include "kit/icons.h"
#include "support/test_registry.h"

#include <QTest>

using namespace vinylix;

namespace {

QImage render(const QIcon& icon, int size, qreal ratio = 1.0) {
    return icon.pixmap(QSize(size, size), ratio).toImage().convertToFormat(QImage::Format_ARGB32);
}

// The share of pixels that show something.
double covered(const QImage& image) {
    int shown = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            shown += qAlpha(image.pixel(x, y)) > 0;
    return double(shown) / (image.width() * image.height());
}

} // namespace

class IconsTest : public QObject {
    Q_OBJECT
private slots:
    // Each picture shows something, and at 200 % it is drawn afresh at twice the pixels, the
    // same as the picture of twice the size, not blown up. No two commands share a picture,
    // and the program's own differs from them all.
    void every_command_has_its_own_picture() {
        QIcon::setThemeSearchPaths({}); // no desktop theme: the program's own pictures answer
        QIcon::setThemeName(QString());
        QHash<QString, QImage> seen;
        for (const QString& key : command_icon_keys() + QStringList{"vinylix"}) {
            const QIcon icon = key == "vinylix" ? program_icon() : command_icon(key);
            const QImage image = render(icon, 24);
            QVERIFY2(covered(image) > 0.15, qPrintable(key));
            QImage doubled = render(icon, 24, 2.0);
            doubled.setDevicePixelRatio(1.0);
            QCOMPARE(doubled, render(icon, 48));
            for (auto other = seen.cbegin(); other != seen.cend(); ++other)
                QVERIFY2(image != other.value(), qPrintable(key + " looks like " + other.key()));
            seen.insert(key, image);
        }
    }
};

VINYLIX_TEST(IconsTest)
#include "test_icons.moc"
