#pragma once

namespace vinylix {

class Mainframe;

// Connects "&Check a Disc..." (and the toolbar's "check" button): the disc-check window opens
// with the catalogue and the import's way of reading folders. Its "Update Selected" and "Add
// Selected" are carried out here, each as one write (after a question, for the update), and the
// window then compares anew; once it closes, a written catalogue is read again and an album
// chosen there is selected in the browser, on the explore tab.
void wire_check_command(Mainframe& main);

} // namespace vinylix
