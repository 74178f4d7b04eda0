#pragma once

namespace vork::assets {

// Shapes inside one 24x24 sprite cell, in cell coordinates; anything outside
// the cell is outside every shape.

// The round body shared by pucks and mallets.
bool InDisc(int x, int y);

// Disc pixels with a left, right, upper or lower neighbour outside the disc.
bool OnDiscRim(int x, int y);

// The see-through middle of a mallet.
bool InMalletHole(int x, int y);

// The H painted on a puck.
bool InPuckMark(int x, int y);

}  // namespace vork::assets
