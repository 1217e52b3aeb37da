#pragma once
// Values read out of one block for the interpreter: address words and
// stretches of the line with their macro variables resolved (mynum, myatai),
// variables stored (myhnum), and expression texts turned into numbers
// (myshiki).  A fault that ends the run is thrown as BlockFault and reaches the
// interpreter's one error path, which shows it with the block.
#include <QString>
#include <optional>

class BlockContext;
struct MacroText;

struct BlockFault {
    QString message;  // shown before the run ends; empty: shown already
};

class BlockValues {
public:
    BlockValues(BlockContext& ctx, const QString& line);

    const QString& line() const { return line_; }
    int level() const { return level_; }

    // The value text of an address word (",R", "X" ...), empty when the word is
    // absent or names the target of an assignment.
    QString word(const QString& key);
    // The value text of the 1-based stretch start..end of the line (end 0: to
    // the end of the line), read on `level` (default: the current level).
    QString stretch(int start, int end = 0);
    QString stretchOn(int start, int end, int level);
    // Stores a value text under a variable number on a level.
    void assign(int number, const QString& value, int level);
    // Empties the locals of a level (a macro call begins there).
    void clearLevel(int level);

    // The number of an expression text.  nullopt after a grammar fault of the
    // evaluator (its message has been shown).
    std::optional<double> number(const QString& expression);
    // The same where a number is needed to go on (a point of a move, a radius):
    // a grammar fault ends the run, whose message has been shown already.
    double required(const QString& expression);

private:
    QString checked(const MacroText& t) const;

    BlockContext& ctx_;
    QString line_;
    int level_;
};
