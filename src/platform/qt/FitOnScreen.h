#pragma once

class QWidget;

namespace zk {

// Keeps a top-level window inside the available area of its screen (the desktop
// less its panels and trays): no larger than that area, the window manager's
// frame included, and moved in where it would reach past an edge. A window not
// shown yet is centred in the area, since where the window manager would put it
// is not known; under Wayland, where the compositor places windows, only the
// size is kept in. Its least size wins over a screen too small for it.
void FitOnScreen(QWidget &window);

} // namespace zk
