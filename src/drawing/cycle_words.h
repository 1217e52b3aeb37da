#pragma once
// What the single-block cycles (G90/G92/G94, G74/G75, G76) read of their
// block and how they draw: the words through mynum (variables and expressions
// stand where numbers may), the end point from X(U) and Z(W), values written
// in thousandths of a millimetre, the messages that name the block, and the
// moves in true program values (X a diameter) through myline.
#include <QString>
#include <functional>
#include <optional>

#include "drawing/cycle_profile.h"
#include "drawing/word_units.h"

class BlockValues;


class CycleWords {
public:
    // between: lets pending input reach the window between two passes; false
    // when the cycle is to stop there (the window was closed, or a key asks
    // for a redraw).  Empty: never stops.
    CycleWords(BlockValues& values, const CycleFrame& frame, CyclePoint start,
               std::function<bool()> between = {})
        : values_(values), frame_(frame), start_(start), between_(std::move(between)) {}

    const QString& block() const;
    CyclePoint start() const { return start_; }

    // The word stands in the block (outside comments) with a value.
    bool has(const char* key);
    // Its value; 0 when absent.
    double number(const char* key);
    // A value in mm as written with a decimal point, else in thousandths
    // (P3000 is 3 mm, P3. too); 0 when absent.
    double thousandths(const char* key);
    // The end point on X from X, or from U on the start point; on Z from Z or W.
    std::optional<double> endX();
    std::optional<double> endZ();

    // Messages naming the block.
    void missing(const QString& what);
    void zero(const QString& what);
    void tooManyPasses();

    // Between two passes or grooves: false when the cycle is to stop.
    bool goOn() const { return !between_ || between_(); }

    // A move in program values; one that does not move is left out.
    void move(CyclePoint a, CyclePoint b, colour::Rgb colour) const;

private:
    BlockValues& values_;
    const CycleFrame& frame_;
    CyclePoint start_;
    std::function<bool()> between_;
};
