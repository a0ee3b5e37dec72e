#!/usr/bin/env bash
# Generates the 21 score tables of the couple analysis in data/:
# ROM_x.DAT, SEX_x.DAT and CMPT_x.DAT for x = C, S, T, Q, O, P, CP, each a
# 15 by 15 matrix (15 lines of 15 comma-separated numbers, CR LF).
# The scores belong to the couple analysis, which has not been written yet;
# until it supplies its values every table holds 225 zeros, so the program
# finds all its files and the analysis scores nothing.
# Run again: tools/ScoreTables.sh data
set -euo pipefail
folder=${1:?usage: $0 DATA_FOLDER}
row="0,0,0,0,0,0,0,0,0,0,0,0,0,0,0"
for table in ROM SEX CMPT; do
  for kind in C S T Q O P CP; do
    for _ in $(seq 15); do printf '%s\r\n' "$row"; done >"$folder/${table}_${kind}.DAT"
  done
done
