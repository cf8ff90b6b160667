#pragma once

namespace vinylix {

class Mainframe;

// Connects the main window's commands that change the catalogue from the browser: a new
// album, a new album of the current artist, editing the selected album, a new artist name,
// deleting the selected albums and deleting every album.
void wire_maintenance_commands(Mainframe& main);

} // namespace vinylix
