#include "single_instance.h"

#include "kit/program_title.h"
#include "kit/prompts.h"

#include <QApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>
#include <QWidget>
#include <unistd.h>

namespace vinylix {

namespace {

constexpr int answer_wait_ms = 1000;

} // namespace

SingleInstance::SingleInstance(const QString& catalogue_path, QObject* parent)
    : QObject(parent), catalogue_path_(catalogue_path), name_(socket_name(catalogue_path)) {}

QString SingleInstance::socket_name(const QString& catalogue_path) {
    const QFileInfo file(catalogue_path);
    const QString canonical = file.canonicalFilePath();
    const QByteArray key =
        QFile::encodeName(canonical.isEmpty() ? file.absoluteFilePath() : canonical);
    return QStringLiteral("vinylix-%1-%2")
        .arg(::getuid())
        .arg(QString::fromLatin1(
            QCryptographicHash::hash(key, QCryptographicHash::Sha256).toHex().left(32)));
}

bool SingleInstance::claim() {
    // Two copies started together decide one after the other, so they do not both take the
    // socket. A lock that cannot be had in time is passed by.
    QLockFile deciding(QDir(QDir::tempPath()).filePath(name_ + QStringLiteral(".lock")));
    deciding.tryLock(answer_wait_ms);
    QLocalSocket other;
    other.connectToServer(name_);
    if (other.waitForConnected(answer_wait_ms)) {
        other.disconnectFromServer(); // being reached is the request to come forward
        return false;
    }
    QLocalServer::removeServer(name_); // left behind by a copy that did not close it
    server_ = new QLocalServer(this);
    server_->setSocketOptions(QLocalServer::UserAccessOption);
    connect(server_, &QLocalServer::newConnection, this, &SingleInstance::answer);
    server_->listen(name_);
    return true;
}

void SingleInstance::answer() {
    while (QLocalSocket* caller = server_->nextPendingConnection()) {
        connect(caller, &QLocalSocket::disconnected, caller, &QObject::deleteLater);
        caller->disconnectFromServer();
        emit come_forward_requested();
    }
}

void SingleInstance::tell_open_elsewhere() const {
    prompts().notice(nullptr, program_title(),
                     tr("The catalogue file \"%1\" is open in another copy of Vinylix, which "
                        "now comes to the front.")
                         .arg(QDir::toNativeSeparators(catalogue_path_)));
}

void SingleInstance::bring_forward_on_request(QWidget* window) {
    connect(this, &SingleInstance::come_forward_requested, window, [window] {
        if (window->isMinimized())
            window->showNormal();
        // An open modal window stays in front of the main window it belongs to.
        QWidget* front = QApplication::activeModalWidget();
        for (QWidget* w : {window, front})
            if (w) {
                w->raise();
                w->activateWindow();
            }
    });
}

} // namespace vinylix
