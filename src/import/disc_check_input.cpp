#include "disc_check_input.h"

#include "store/disc_number.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStorageInfo>

namespace vinylix {

namespace {

std::optional<QString> one_number(QString name) {
    static const QRegularExpression mp3(QStringLiteral("(?<![[:alnum:]])mp3(?![[:alnum:]])"),
                                        QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression number(QStringLiteral("[0-9]+"));
    auto matches = number.globalMatch(name.replace(mp3, QStringLiteral(" ")));
    if (!matches.hasNext())
        return std::nullopt;
    const QString found = matches.next().captured();
    if (matches.hasNext() || !is_disc_number(found))
        return std::nullopt;
    return disc_number_text(found);
}

} // namespace

std::optional<QString> proposed_disc_number(QStringView folder_name, QStringView volume_label) {
    if (auto disc = one_number(folder_name.toString()))
        return disc;
    return one_number(volume_label.toString());
}

std::optional<QString> proposed_disc_number(const QString& folder) {
    const QStorageInfo volume(folder);
    const bool root = volume.isValid() && QDir(volume.rootPath()) == QDir(folder);
    return proposed_disc_number(root ? QString() : QFileInfo(folder).fileName(),
                                volume.isValid() ? volume.name() : QString());
}

DiscEntry entered_disc_number(const QString& text) {
    if (text.isEmpty())
        return {std::nullopt, QStringLiteral("Please type the number of the shelf disc that the "
                                             "folder holds.")};
    if (!is_disc_number(text))
        return {std::nullopt,
                QStringLiteral("\"%1\" is not a shelf disc number: a disc number is made of "
                               "digits, at most nine of them.")
                    .arg(text)};
    return {disc_number_text(text), {}};
}

} // namespace vinylix
