#!/usr/bin/env bash
# Writes the benchmark inputs into DIR:
#   bench/make_inputs.sh DIR [tiny]
# "tiny" writes the same shapes a hundred times smaller, for the smoke test.
#   exprs.txt   the 20 expression shapes of the evaluator mix, one a line
#   big.nc      199 programs, 18,806 stored lines (near the store's bounds)
#   turn.nc     one plain turning program of 1001 lines (the longest a run holds)
#   macro.nc    a WHILE loop of 100,000 moves over #variables and SIN/COS
#   macro.ngc   the same loop in LinuxCNC's dialect, for rs274
#   g71.nc      20 G71 rough-turning cycles of 50 passes each
#   transfer.nc an NC file of about 10 MB in lines the sending loop takes
set -euo pipefail
dir=$1
tiny=${2:-}
mkdir -p "$dir"
if [ "$tiny" = tiny ]; then
  programs=3 turn_groups=2 loops=200 cycles=2 transfer_lines=400
else
  programs=199 turn_groups=99 loops=100000 cycles=20 transfer_lines=39000
fi

# The evaluator mix: brackets, the four operators, every function, word operators.
cat > "$dir/exprs.txt" <<'EOF'
1+2*3
-12.5/4+.25
[1.5+2.5]*[3-1]
SIN[30]
COS[60]*2
TAN[45]+1
ASIN[.5]
ACOS[-.5]
ATAN[1]*4
SQRT[2]*SQRT[8]
ABS[-3.75]+FIX[2.6]
FUP[2.1]-ROUND[2.5]
17 MOD 5
12 AND 10
12 OR 3 XOR 5
50.+10.*SIN[123.4]
-20.-10.*COS[123.4]
.1+.05*SIN[246.8]
[[2+3]*[4-1]]/[7-2]+[1/8]
[100.-SQRT[3.*3.+4.*4.]]*COS[17]/2.5-[8 MOD 3]*ABS[-1.5]
EOF

# 199 programs of 94 lines, then the free area.
awk -v programs="$programs" 'BEGIN {
  printf "%%\r\n"
  for (p = 1; p <= programs; p++) {
    printf "O%04d(PART %d)\r\n", p, p
    printf "G50 S2000\r\nG00 X100. Z10.\r\n"
    for (i = 1; i <= 90; i++) printf "G01 X%d.%d Z-%d.%d F.2\r\n", 100 - i % 50, i % 10, i, p % 10
    printf "M30\r\n"
  }
  printf "%%\r\n"
}' > "$dir/big.nc"

# Plain turning, 1001 lines: 4 lines of head, 99 groups of 10 blocks (G0, G1,
# G2, G3 with R, ",R" and ",C" corners, G28), 6 lines of tail (the work file
# the engine reads adds one line).
awk -v groups="$turn_groups" 'BEGIN {
  printf "%%\r\nO0100(TURNING)\r\nG50 S2000\r\nG00 G97 S800 M03\r\nT0101 M08\r\n"
  for (g = 0; g < groups; g++) {
    z = -(g % 10) * 3
    printf "G00 X60. Z%d.\r\n", z + 2
    printf "G01 Z%d. F.2\r\n", z - 10
    printf "X70.,R2.\r\n"
    printf "Z%d.\r\n", z - 20
    printf "G02 X80. Z%d. R5.\r\n", z - 25
    printf "G01 X90.,C1.\r\n"
    printf "Z%d.\r\n", z - 35
    printf "G03 X100. Z%d. R5.\r\n", z - 40
    printf "G00 X110. Z%d.\r\n", z + 2
    printf "G28U0\r\n"
  }
  printf "G28W0\r\nG00 X120. Z50.\r\nG01 X118. F.3\r\nG00 X120.\r\nM05\r\nM30\r\n%%\r\n"
}' > "$dir/turn.nc"

# The macro loop: every pass one move whose X, Z and F are bracketed SIN/COS
# expressions over #variables.
cat > "$dir/macro.nc" <<EOF
%
O0200(MACRO LOOP)
G50 S2000
G00 G97 S800 M03
T0101
G00 X120. Z5.
#101=0
#103=7.2
WHILE [#101 LT $loops] DO1
#102=#101*#103
G01 X[50.+10.*SIN[#102]] Z[-20.-10.*COS[#102]] F[.1+.05*SIN[#102]]
#101=#101+1
END1
G28U0
M30
%
EOF
cat > "$dir/macro.ngc" <<EOF
G18 G7 G21 G90
G00 X120 Z5
#101=0
#103=7.2
o100 while [#101 LT $loops]
#102=[#101*#103]
G01 X[50+10*SIN[#102]] Z[-20-10*COS[#102]] F[100+50*SIN[#102]]
#101=[#101+1]
o100 endwhile
M2
EOF

# G71 rough turning from X150 down to a finishing shape that starts at X50:
# 50 mm of stock on the radius at a depth of 1 mm, 50 passes a cycle.
awk -v cycles="$cycles" 'BEGIN {
  printf "%%\r\nO0300(G71 CYCLES)\r\nG50 S2000\r\nG00 G97 S800 M03\r\nT0101 M08\r\n"
  for (c = 1; c <= cycles; c++) {
    printf "G00 X152. Z2.\r\n"
    printf "G71 U1. R.5\r\n"
    printf "G71 P%d Q%d U.3 W.05 F.25\r\n", 1000 + c, 2000 + c
    printf "N%d G00 X50.\r\n", 1000 + c
    printf "G01 Z-15.,R2. F.15\r\n"
    printf "X80.,C1.\r\n"
    printf "Z-30.\r\n"
    printf "G02 X100. Z-40. R10.\r\n"
    printf "G01 Z-50.\r\n"
    printf "N%d X152.\r\n", 2000 + c
    printf "G28U0\r\n"
  }
  printf "G28W0\r\nM30\r\n%%\r\n"
}' > "$dir/g71.nc"

# Transfer: lines of 256 characters (255 and LF), under the sending loop's
# bound of 39,999 lines: about 10 MB.
awk -v lines="$transfer_lines" 'BEGIN {
  printf "%%\n"
  for (i = 1; i <= lines; i++) {
    s = sprintf("N%05d G01 X%d.%03d Z-%d.%03d F.2", i % 100000, i % 200, i % 1000, i % 300, i % 997)
    while (length(s) < 254) s = s " (PAD)"
    printf "%s\n", substr(s, 1, 254) ";"
  }
  printf "%%\n"
}' > "$dir/transfer.nc"
