// Build step: renders an SVG picture to a square PNG of the given size, so the desktop's icon
// theme gets the program's icon at each size it asks for, drawn from the one SVG source.
// Needs Qt's SVG image-format plugin at run time (Debian package libqt6svg6).
#include <QCoreApplication>
#include <QImage>
#include <QImageReader>
#include <QString>
#include <cstdio>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv); // finds the image-format plugins
    const QStringList args = QCoreApplication::arguments();
    bool size_ok = false;
    const int size = args.size() == 4 ? args[2].toInt(&size_ok) : 0;
    if (!size_ok || size < 1 || size > 4096) {
        std::fprintf(stderr, "usage: render_icon SVG SIZE PNG\n");
        return 2;
    }
    QImageReader reader(args[1], "svg");
    reader.setScaledSize(QSize(size, size));
    const QImage image = reader.read();
    if (image.isNull()) {
        std::fprintf(stderr, "render_icon: %s: %s\n", qPrintable(args[1]),
                     qPrintable(reader.errorString()));
        return 1;
    }
    if (!image.save(args[3], "PNG")) {
        std::fprintf(stderr, "render_icon: cannot write %s\n", qPrintable(args[3]));
        return 1;
    }
    return 0;
}
