#pragma once
// The peck cycles, written in two blocks:
//   G74 R(e)                                  the back-off after each peck, mm
//   G74 X(U) Z(W) P(Δi) Q(Δk) [R(Δd)] F       face grooving / peck drilling
//   G75 R(e)
//   G75 X(U) Z(W) P(Δi) Q(Δk) [R(Δd)] F       grooving / parting
// G74 pecks along Z by Δk down to Z, backing off e after each peck, relieves
// by Δd at the bottom, rapids out, shifts by Δi (a radius amount) towards X
// and pecks again; the last shift is clipped to X; finally it rapids back to
// the start point.  Without X(U) it drills at the start X.  G75 is the same
// with X and Z exchanged: pecks of Δi (a radius amount) along X, shifts of Δk
// along Z.  P and Q are thousandths of a millimetre when written without a
// decimal point.  The second block is the one that holds X(U) or Z(W).
#include <QString>

class CycleWords;

// Of the last first block (kept for later cycles until the next one).
struct GrooveSettings {
    double backOff = 0;  // e
};

// Stores the first block's e, or draws the second block (G74 when alongZ).
// The relief goes against the shift; a cycle without a shift relieves as Δd is
// written.  A missing or zero peck, or a zero shift where the tool must move
// over, shows its message and draws nothing.
void grooveCycle(CycleWords& words, GrooveSettings& settings, bool alongZ);
