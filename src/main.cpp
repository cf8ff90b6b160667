#include "app/mainframe.h"
#include "app/startup.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Vinylix"));
    const auto main_window = vinylix::start_program(QCoreApplication::applicationDirPath());
    return QApplication::exec();
}
