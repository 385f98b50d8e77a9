#!/usr/bin/env python3
"""Writes a legal robot log of N rows to stdout, row i naming rule line i, for robot_log_open.

    robot_log_rows.py N [same|own]

Each row's sensors are the pattern i mod 256 and its rule text that pattern's rule; with "same"
(the default) every rule turns by 5 degrees, so the log names 256 texts; with "own" row i turns
by i degrees, a new text in every row.
"""
import sys

rows = int(sys.argv[1])
own = len(sys.argv) > 2 and sys.argv[2] == "own"
out = sys.stdout
out.write("step,heading,x,y,s1,s2,s3,s4,s5,s6,s7,s8,rule_index,rule_text,stop\n")
for i in range(1, rows + 1):
    bits = ["1" if (i % 256) >> k & 1 else "0" for k in range(8)]
    out.write(f"{i},,,,{','.join(bits)},{i},{' '.join(bits)} {i if own else 5},\n")
