#include "shelf_reading.h"

#include "store/shelf_albums.h"

#include <system_error>

namespace vinylix {

ShelfReading::ShelfReading(QString catalogue_path, QObject* parent)
    : QObject(parent), catalogue_path_(std::move(catalogue_path)) {}

ShelfReading::~ShelfReading() {
    if (thread_.joinable()) {
        thread_.request_stop();
        thread_.join();
    }
}

void ShelfReading::start() {
    try {
        thread_ = std::jthread([this](std::stop_token stop) { read(stop); });
    } catch (const std::system_error&) {
        read({}); // no thread to be had: read here, answered as from a thread
    }
}

void ShelfReading::read(std::stop_token stop) {
    std::shared_ptr<ShelfContents> contents;
    QString error;
    try {
        if (auto catalogue = Catalogue::open(catalogue_path_, &error)) {
            contents = std::make_shared<ShelfContents>();
            const auto progress = [&](qint64 done, qint64 total) {
                done_ = done;
                total_ = total;
                return !stop.stop_requested();
            };
            if (read_shelf_albums(*catalogue, contents->albums, &error, progress))
                contents->shelf = arrange_shelf(contents->albums);
            else
                contents.reset();
        }
    } catch (const std::exception& e) {
        contents.reset();
        error = tr("The shelf could not be read: %1").arg(QString::fromLocal8Bit(e.what()));
    } catch (...) {
        contents.reset();
        error = tr("The shelf could not be read.");
    }
    if (stop.stop_requested())
        return;
    QMetaObject::invokeMethod(
        this,
        [this, contents, error] {
            if (thread_.joinable())
                thread_.join();
            emit finished(contents, error);
        },
        Qt::QueuedConnection);
}

} // namespace vinylix
