#pragma once

class QAbstractItemView;

namespace vinylix {

// Keeps the current line of `list` selected whenever the list would be left with no line
// selected (a click on its empty part, Ctrl and a click on the one selected line): what the
// window shows of the current line then always matches a selected line. Call it after the list
// has its model.
void keep_current_line_selected(QAbstractItemView* list);

} // namespace vinylix
