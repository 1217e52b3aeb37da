#pragma once
// tssnc.ini: the four machine directory names and the lathe orientation.
//
//   Dir0 =sp2          a line beginning "Dir" or "dir" fills the next slot, in
//   Dir1 =spg          file order (the digit is not read), with the text after the
//   Dir2 =77q          first "=" less its leading blanks; lines after the fourth
//   Dir3 =77r          are ignored; an empty slot gets its default.
//   tate/yoko =tate    "t" as the first or second character after the first "="
//                      means a vertical lathe ("t"), anything else horizontal ("m").
//   RapidRate =12000   rapid traverse in mm/min for the machining time; absent
//                      (as in the default file and older files) or not a
//                      number above 0: the default.
//
// Any other line (COMn mappings of the serial ports, capitalised keys) is ignored.
#include <QByteArray>
#include <QString>
#include <array>

constexpr int kMachineSlots = 4;

struct MachineConfig {
    std::array<QString, kMachineSlots> dirs;
    QString orientation = QStringLiteral("m");  // "t" vertical, "m" horizontal
    double rapidRate = 0;                       // mm/min; 0: not given
};

// Default machine name of a slot: "sp2", "spg", "77q", "77r".
QString defaultMachineDir(int slot);

// The bytes written when tssnc.ini does not exist (five lines, CR LF).
QByteArray defaultIniBytes();

// Reads the ini text.  Lines end with CR LF (or a lone LF or CR); the text is
// UTF-8 when valid, else Shift_JIS.  Every empty slot gets its default.
MachineConfig parseMachineConfig(const QByteArray& iniBytes);

// mmmdir's file step: creates <dir>/tssnc.ini with the defaults when there is no
// such file, then reads it.  Nothing is reported: when the file cannot be
// written or read, the slots fall back to their defaults and the orientation
// stays "m".
MachineConfig loadMachineConfig(const QString& programDirectory);
