#!/bin/sh
# Runs the dispersion model on the deck ../plumo3.dat, leaving its listing in plumo.out here.
cd "$(dirname "$0")" || exit 2
exec ./plumo3 ../plumo3.dat plumo.out
