#pragma once
// The threading cycle, written in two blocks:
//   G76 P(mm rr aa) Q(Δdmin) R(d)
//   G76 X(U) Z(W) [R(i)] P(k) Q(Δd) F(L)
// The first block's P is one number: mm finishing passes, rr the chamfer of
// the pull-out (not drawn), aa the angle of the thread.  The passes go in at
// cumulative depths Δd·√n, each at least Δdmin deeper than the last, down to
// the thread height k less the finishing allowance d; then the pass at k is
// made mm times.  X(U) is the root at the end of the thread, Z(W) its end; i
// is the taper (the cut starts at X + 2i, as in G92).  Each pass: a rapid in,
// a thread cut (white) along Z, a rapid out and a rapid back to the start.
// The infeed follows the thread's flank: each pass starts tan(aa/2) times its
// depth further back along Z (away from the cut, into the air); its end stays
// at Z, where a shoulder or an undercut may stand.  P, Q and R of the first
// block and P, Q of the second are thousandths of a millimetre when written
// without a decimal point.  The second block is the one with X(U) or Z(W).
class CycleWords;

// Of the last first block (kept for later cycles until the next one); a
// second block without any first block draws with these.
struct ThreadSettings {
    int finishingPasses = 1;  // mm
    int angle = 0;            // aa, degrees
    double minStep = 0;       // Δdmin, mm
    double allowance = 0;     // d, mm
};

void threadCycle(CycleWords& words, ThreadSettings& settings);
