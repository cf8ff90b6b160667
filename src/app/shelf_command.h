#pragma once

namespace vinylix {

class Mainframe;

// Connects "S&helf Discs..." (and the toolbar's "shelf" button): the shelf window opens on the
// catalogue's albums with the medium of the options, the medium chosen there goes back into the
// options, and an album double-clicked there is selected in the browser, on the explore tab.
void wire_shelf_command(Mainframe& main);

} // namespace vinylix
