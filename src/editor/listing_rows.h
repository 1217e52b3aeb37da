#pragma once
// The program listing painted on the editor window: where each row stands, its
// text and colour, and what the keys of Text2 and the mouse on the listing do.
// Pure functions of the store and the current entry, so the window, the CLI and
// the tests agree.
#include <QList>
#include <QString>

#include "platform/colour.h"
#include "platform/key_codes.h"

namespace store {
class ProgramStore;
}

namespace listing {

// The listing area of the window surface (twips).
constexpr double kAreaLeft = 5200;
constexpr double kAreaTop = 448;
constexpr double kAreaRight = 11280;
constexpr double kAreaBottom = 12713;
// Rows: 56 in the first column, the rest in the second.  Row 1 always stands
// at y 477 and a press picks the row whose text starts up to 27 twips below it.
constexpr int kRowsPerColumn = 56;
constexpr double kFirstRowY = 477;
constexpr double kPressTop = kFirstRowY - 27;
constexpr double kFirstColumnX = 5300;
constexpr double kSecondColumnX = 8000;
// A row's text ends before the next column, and the second column's before the
// edit screen of the listing layout (x 10320); longer rows are narrowed.
constexpr double kColumnGap = 90;
constexpr double kFirstColumnWidth = kSecondColumnX - kFirstColumnX - kColumnGap;
constexpr double kSecondColumnWidth = 10320 - kSecondColumnX - kColumnGap;

// Row spacing and letter size.  Where the window is tall enough the rows are
// as large as the edit screen's default font (12 points); on a lower window
// (1366x768) they close up so that all 56 rows stay on the screen, never
// below the 179-twip spacing and the size that fits it.
struct Geometry {
    double rowHeight = 218;
    double textSize = 12;  // points
};
constexpr Geometry kRoomyRows{218, 12};
constexpr Geometry kTightRows{179, 9.5};
// The rows for a surface `surfaceHeight` twips high.
Geometry geometryFor(double surfaceHeight);

inline const QString kUnmarked = QStringLiteral("○");
inline const QString kMarked = QStringLiteral("◎");
inline const QString kCurrent = QStringLiteral("●");

// Label2 in its two states.
inline const QString kCombineOffCaption = QStringLiteral("結合ﾓｰﾄﾞ：ｽﾍﾟｰｽ or ここをｸﾘｯｸ");
inline const QString kCombineOnCaption =
    QStringLiteral("結合:右ｸﾘｯｸ 結合ﾓｰﾄﾞ解除:ｽﾍﾟｰｽ 全選択:* 全解除:/");
constexpr colour::Rgb kCombineOnColour = colour::kYellow;
// Text2, the listing's key catcher, while it holds the focus.
inline const QString kKeyCatcherText = QStringLiteral("ﾌｧｲﾙ\r\n選択");

struct Row {
    int entry = 0;
    double x = 0, y = 0;
    double maxWidth = 0;  // twips the text may take
    QString text;       // " 1● : O0001"
    QString mark;       // ○ ◎ ●
    colour::Rgb colour = colour::kBlue;
};

// Label1 for the entry in the edit screen: its number text, ":", its name
// (" 3:O0003(THIRD)").
QString programLabel(int entry, const QString& name);

// Position of the row of an entry (1-based).
double rowX(int entry);
double rowY(int entry, const Geometry& g);

// Rows of entries 1..programCount().  `current` shows "●"; in a mark toggle
// the current entry shows "◎" when marked and "●" (blue) when not.
QList<Row> rows(const store::ProgramStore& st, int current, bool markToggle, const Geometry& g);

// Whether a press at (x, y) twips lands on the listing (x 5280 to 11280, y
// from 300 down); presses elsewhere are ignored.
bool isListingPress(double x, double y);

// A press on the listing at (x, y) twips: the entry it picks, or 0 when the
// press is ignored.
int entryAt(double x, double y, int count, const Geometry& g);

enum class KeyAction { None, Move, ToggleCombine, MarkAll, UnmarkAll, HideWindow };
struct KeyResult {
    KeyAction action = KeyAction::None;
    int entry = 0;  // the entry moved to (Move), 1 for MarkAll/UnmarkAll
};
// A key of Text2 (a code of platform/key_codes.h).
KeyResult keyAction(int current, int keyCode, int count);

// A press in Text2 at x twips: "*" from 3700 to 4400, "/" beyond 4400.
KeyAction text2PressAction(double x);

}  // namespace listing
