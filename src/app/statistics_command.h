#pragma once

namespace vinylix {

class Mainframe;

// "&Statistics" (and the toolbar's "stats" button): the statistics window opens on the figures
// and charts of the albums the main recordset holds, with the shelf's medium of the options. A
// bar chosen there is shown where it belongs: a year or a bitrate in the field browser, an
// artist in the browser, a shelf disc in the shelf window.
void open_statistics(Mainframe& main);

} // namespace vinylix
