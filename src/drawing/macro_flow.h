#pragma once
// The macro program flow as the interpreter meets it: IF ... GOTO, IF ... THEN,
// GOTO, WHILE ... DO m, END m, and the calls G65 / G66 / G67 with their
// arguments, one function per statement.  Each answers what happens next.
// Keywords are found without regard to letter case, outside the comments of
// the line.
#include <QString>
#include <QStringList>
#include <optional>

#include "drawing/block_step.h"

class BlockContext;
class BlockValues;
struct InterpreterState;

namespace flow {

// Position (0-based) of word in line at or after `from`, ignoring case,
// outside comments (text in round brackets); -1 when absent.
int findKeyword(const QString& line, const QString& word, int from = 0);
// True when the line begins with word, ignoring case.
bool beginsWith(const QString& line, const QString& word);

// Line of the block "N" + number: searched from `from` to the last line, then
// from line 0.  Blanks between "N" and the number are allowed; the number must
// not go on with another digit (N100 is not N1000).  -1 when there is none.
int findSequence(const QStringList& lines, int from, const QString& number);

struct Scope {
    BlockContext& ctx;
    InterpreterState& state;
    BlockValues& values;
};

// A block that begins with G65, G66 or G67.
bool isCall(const QString& line);
BlockStep callStatement(Scope& s);
// The modal call after a block that moved, while a G66 holds on this level;
// nullopt when there is none.
std::optional<BlockStep> modalCallAfterMove(Scope& s);

// IF, WHILE, END and GOTO statements.  nullopt: the block holds none of them,
// or an IF ... THEN whose text is not an assignment, which the block's further
// checks take up.
std::optional<BlockStep> flowStatement(Scope& s);

// The assignment whose left side runs from `from` to the "=" at `eq` (0-based
// positions in the block): "#n" or a letter variable (A is 1 ... Z is 26)
// receives the value text after the "=".
void assignment(Scope& s, int from, int eq);

// Position (0-based) of the first "=" at or after `from` outside round
// brackets; -1 when there is none.
int assignmentSign(const QString& line, int from = 0);

}  // namespace flow
