#include "disc_check_actions.h"

#include "disc_check_texts.h"

#include <QRegularExpression>
#include <algorithm>

namespace vinylix {

namespace {

// Why the album editor's box of `field` could not hold `value`; empty when it could.
QString editor_refusal(Field field, const QString& value) {
    static const QRegularExpression short_count(QStringLiteral("^[0-9]{1,3}$"));
    static const QRegularExpression digits(QStringLiteral("^[0-9]*$"));
    switch (field) {
    case Field::Cds:
        return short_count.match(value).hasMatch()
                   ? QString()
                   : QStringLiteral("the album editor takes a CD count of one to three digits");
    case Field::Kbps:
        if (value.isEmpty())
            return QStringLiteral(
                "no MP3 frame header was found on the disc, and an album needs a bitrate");
        return short_count.match(value).hasMatch()
                   ? QString()
                   : QStringLiteral("the album editor takes a bitrate of one to three digits");
    case Field::Size:
        return is_plain_number(value) ? QString()
                                      : QStringLiteral("the album editor takes a size of digits");
    case Field::Year:
        return digits.match(value).hasMatch()
                   ? QString()
                   : QStringLiteral("the album editor takes a year of digits only");
    default:
        return {};
    }
}

// "the bitrate", "the song list", as a refusal names the field.
QString the_field(Field field) {
    return field == Field::Cds ? QStringLiteral("the CD count")
                               : QStringLiteral("the ") + checked_field_name(field).toLower();
}

bool chosen(const std::vector<Field>& fields, Field field) {
    return std::find(fields.begin(), fields.end(), field) != fields.end();
}

// Positions each once, in order.
std::vector<int> each_once(std::vector<int> positions) {
    std::sort(positions.begin(), positions.end());
    positions.erase(std::unique(positions.begin(), positions.end()), positions.end());
    return positions;
}

QString album_named(const CheckedAlbum& album) {
    return album.artist() + QStringLiteral(" - ") + album.album();
}

// The update of one album; its refusals added to `refused`.
AlbumFieldsUpdate plan_album(const CheckedAlbum& album, const std::vector<Field>& fields,
                             QStringList& refused) {
    const AlbumRecord& stored = album.stored->record;
    AlbumFieldsUpdate update{album.stored->rowid, stored[Field::Artist], stored[Field::Album], {}};
    const bool counts_differ = std::find(album.differing.begin(), album.differing.end(),
                                         Field::Cds) != album.differing.end();
    const bool split_pair =
        counts_differ && chosen(fields, Field::Cds) != chosen(fields, Field::Songs);
    bool pair_refused = false;
    for (const Field field : album.differing) {
        if (!chosen(fields, field))
            continue;
        const bool paired = field == Field::Cds || field == Field::Songs;
        if (paired && split_pair) {
            if (!std::exchange(pair_refused, true))
                refused << QStringLiteral("%1: the CD count and the song list are written "
                                          "together or not at all, since the song list is laid "
                                          "out by CD.")
                               .arg(album_named(album));
            continue;
        }
        const QString& value = album.on_disc[field];
        if (const QString why = editor_refusal(field, value); !why.isEmpty()) {
            refused << QStringLiteral("%1: %2 is not written: %3.")
                           .arg(album_named(album), the_field(field), why);
            continue;
        }
        update.values.emplace_back(field, value);
    }
    return update;
}

} // namespace

UpdatePlan plan_update(const DiscCheck& check, const std::vector<int>& albums,
                       const std::vector<Field>& fields) {
    const std::vector<CheckedAlbum>& different = check.group(CheckGroup::Different);
    UpdatePlan plan;
    for (const int k : each_once(albums)) {
        if (k < 0 || std::size_t(k) >= different.size())
            continue;
        AlbumFieldsUpdate update = plan_album(different[std::size_t(k)], fields, plan.refused);
        if (!update.values.empty())
            plan.updates.push_back(std::move(update));
    }
    return plan;
}

ImportData albums_to_add(const DiscCheck& check, const std::vector<int>& albums,
                         const ImportData& folder_albums, SongSource source) {
    const std::vector<CheckedAlbum>& only_on_disc = check.group(CheckGroup::OnlyOnDisc);
    std::vector<ImportedAlbum> added;
    for (const int k : each_once(albums)) {
        if (k < 0 || std::size_t(k) >= only_on_disc.size())
            continue;
        const int found = only_on_disc[std::size_t(k)].found;
        if (!folder_albums.contains(found))
            continue;
        ImportedAlbum album = folder_albums[found];
        album.chosen = source;
        album.cd = check.disc;
        album.cover.clear();
        added.push_back(std::move(album));
    }
    return ImportData(std::move(added));
}

} // namespace vinylix
