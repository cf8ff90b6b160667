#pragma once

class QCheckBox;
class QWidget;

namespace vinylix {

// A check box that says whether the field beside it counts, and stands as the field's label:
// "Nickname" and the nickname, "Title" and the title. Ticking the box, by its access key, Space
// or a click, puts the cursor in the field, so the box's key reaches the field as a label's
// would; clearing it leaves the focus where it is. With `enables`, the field is enabled only
// while the box is ticked, and keeps its text for the next time.
void label_field_by_check_box(QCheckBox* box, QWidget* field, bool enables = false);

} // namespace vinylix
