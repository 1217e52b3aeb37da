#pragma once
// The coordinate grid of the drawing: a node mark every 50 program units on
// both axes (X read as a diameter), red nodes on every 500-unit line through
// program zero, rulers of 10-unit dots beside the red nodes of the horizontal
// red lines, and a red circle of radius 100 twips at program zero.  The grid
// keeps the phase of program zero even when program zero is off the screen.
class Surface;

void mygrid(Surface& surface, double originX, double originY, double scale, int axisSign);
