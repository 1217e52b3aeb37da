#pragma once
// Port number -> device name.  Windows names ports COMn; elsewhere COMn is
// /dev/ttyS(n-1) unless tssnc.ini maps it with a line "COMn =/dev/..." (the
// machine-directory reader ignores such lines).
#include <QByteArray>
#include <QString>

// The mapping line for port n in the ini bytes, or an empty string.  The key is
// "COM" (any case) and the number, the value is what follows the first "=",
// without surrounding blanks.  The last mapping line for n wins.
QString portMappingFromIni(const QByteArray& iniBytes, int n);

// noRealPorts: never fall back to the machine's /dev/ttyS* (tests); an unmapped
// port then names a path that does not exist.
QString serialDeviceName(int n, const QByteArray& iniBytes, bool noRealPorts);

// The same with tssnc.ini of the program directory and TSSNC_NO_REAL_PORTS=1.
QString serialDeviceName(int n);
