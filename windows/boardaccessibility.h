// boardaccessibility.h: the board as assistive technology sees it: a table of three rows and three
// columns whose cells are the tiles, with the spin handles as buttons.
#pragma once

namespace quintrel {

// Makes the board's widgets known to Qt's accessibility; once is enough, later calls do nothing.
void installBoardAccessibility();

} // namespace quintrel
