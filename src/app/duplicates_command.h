#pragma once

namespace vinylix {

class Mainframe;

// Connects "D&uplicate Albums..." (and the toolbar's "duplicates" button): the duplicate-albums
// window opens on the catalogue file; a copy deleted there goes through the program's own
// confirmation and leaves the catalogue, the window then finding the groups anew; a copy chosen
// there is selected in the browser, on the explore tab.
void wire_duplicates_command(Mainframe& main);

} // namespace vinylix
