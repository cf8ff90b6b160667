#pragma once

#include "mp3/tag_file.h"
#include "store/undo_history.h"

#include <QList>

namespace vinylix {

// The tags one Apply of the tag editor wrote, as a step of the undo history ("Tag Changes to
// 40 Files"). Undo puts each file back byte for byte as it was (a tag the Apply added is cut
// off, so the file has its old length) where the file is still exactly as the Apply left it;
// Redo writes the tags again where a file is as Undo left it. A file another program changed
// since (its size, time or last 128 bytes differ) is left as it is and named, and so is one
// that cannot be written, with the reason; when no file at all could be written back, the step
// stays where it was.
class TagApplyStep : public UndoStep {
public:
    // `rewrites`: what the Apply wrote, one for each file written.
    explicit TagApplyStep(QList<TagRewrite> rewrites) : rewrites_(std::move(rewrites)) {}

    QString name() const override;
    UndoOutcome undo(const UndoContext&) override { return replay(true); }
    UndoOutcome redo(const UndoContext&) override { return replay(false); }

private:
    UndoOutcome replay(bool undo);

    QList<TagRewrite> rewrites_;
};

} // namespace vinylix
