#pragma once
// What the operator asked for: an answer of the step menu or of the end-of-text
// prompt, or a word of the key mailbox while drawing continuously.
#include <QString>

struct ViewCommand {
    enum Kind {
        GoOn,           // "y", Enter, anything not listed
        AreaZoom,       // v
        ToVertical,     // t: orientation "t"
        ToHorizontal,   // m: orientation "m"
        Clear,          // c
        PanDown,        // d (+ n), D
        PanUp,          // u (+ n), U
        PanRight,       // r (+ n), R
        PanLeft,        // l (+ n), L
        ToggleDisplay,  // p, " "
        Speed,          // s1 s2 s3
        Fastest,        // k
        Continuous,     // a
        ResetView,      // i
        Shrink,         // s
        Enlarge,        // b
        SetScale,       // b + n
        ToggleSkip,     // /
        Quit,           // q, empty (Cancel)
        Fit,            // f, F: the part's cutting moves fill the surface
    };
    Kind kind = GoOn;
    double amount = 0;  // pan distance in twips, the ratio of SetScale
    int speed = 0;      // speedDelay of Speed
};

// An answer of the step menu.
ViewCommand parseStepAnswer(const QString& answer);

// A word of the key mailbox while drawing continuously; GoOn when the word is
// not a continuous command ("esc", key codes, "Q" and the like).
ViewCommand parseContinuousWord(const QString& word);
