#pragma once

#include <QString>

namespace vinylix {

class Mainframe;

// Connects "S&helf Discs..." (and the toolbar's "shelf" button): the shelf window opens on the
// catalogue's albums with the medium of the options, the medium chosen there goes back into the
// options, and an album double-clicked there is selected in the browser, on the explore tab.
void wire_shelf_command(Mainframe& main);

// The same command, the window opening on the disc numbered `disc` ("7") when it is given.
void open_shelf(Mainframe& main, const QString& disc = {});

} // namespace vinylix
