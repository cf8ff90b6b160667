#pragma once

#include <QObject>
#include <QString>

class QLocalServer;
class QWidget;

namespace vinylix {

// One copy of the program for each catalogue file. The first copy started on a catalogue
// listens on a local socket named after the file's canonical path; a later start on the same
// file (by whatever path) reaches it there, which asks it to come forward, and ends. A socket
// that a copy left behind when it ended without closing it (a crash) answers no one, and the
// next start takes its place.
class SingleInstance : public QObject {
    Q_OBJECT
public:
    explicit SingleInstance(const QString& catalogue_path, QObject* parent = nullptr);

    // True when no other copy has the catalogue open: this one now answers later starts (or,
    // when the socket cannot be made, runs all the same). False when another copy answered.
    bool claim();
    // Tells the user that the catalogue is open in another copy, which comes forward.
    void tell_open_elsewhere() const;
    // Brings `window` to the front whenever a later start asks for it.
    void bring_forward_on_request(QWidget* window);

    // The socket's name: the same for every path to one file, and for one user only.
    static QString socket_name(const QString& catalogue_path);

signals:
    // A later start on the same catalogue asked this copy to come forward.
    void come_forward_requested();

private:
    void answer();

    QString catalogue_path_;
    QString name_;
    QLocalServer* server_ = nullptr;
};

} // namespace vinylix
