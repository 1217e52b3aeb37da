#pragma once
// The single cycles that cut one box from the start point and come back to it:
//   G90 X(U) Z(W) [R] F   turning: rapid to X at the start Z, cut to Z, cut
//                          back out to the start X, rapid back to the start Z;
//                          with R the cut is a taper from X + 2R at the start Z
//   G92 X(U) Z(W) [R] F   threading: as G90, the cut a thread move (white)
//                          and the pull-out a rapid; F is the lead
//   G94 X(U) Z(W) [R] F   facing: rapid to Z at the start X, cut to X, cut
//                          back to the start Z, rapid back to the start X;
//                          with R the cut starts at Z + R
// The cycle is modal: a later block that gives X(U), Z(W) or both cuts it again
// from the same start, the words it leaves out kept from the block before.
#include <QString>
#include <optional>

class CycleWords;

// The modal box cycle.  code 0: none.
struct BoxCycle {
    int code = 0;  // 90, 92 or 94
    std::optional<double> x, z;
    double r = 0;
    double lead = 0;  // F of G92
};

// Draws the box cycle of the block: `code` is the G code the block names, or
// 0 for a block that repeats the modal cycle.  A word that is missing or 0
// where it may not be shows its message and draws nothing.
void drawBoxCycle(CycleWords& words, BoxCycle& modal, int code);
