#!/bin/sh
# Draws the pointing-hand cursor of the web address: 32 x 32, two colours,
# fingertip (hot spot) at column 5, row 0. '#' is black, '.' white, blank
# transparent. Writes hand.xbm (black pixels) and hand_mask.xbm (visible
# pixels). Needs ImageMagick.
set -e
cd "$(dirname "$0")"
art=$(mktemp)
trap 'rm -f "$art" "$art.bits.pbm" "$art.mask.pbm"' EXIT
cat >"$art" <<'ART'
     ##
    #..#
    #..#
    #..#
    #..#
    #..###
    #..#..##
    #..#..#.##
    #..#..#..#.#
 ## #..#..#..#..#
#..##........#..#
#...#...........#
 #..............#
  #.............#
  #.............#
   #...........#
   #...........#
    #.........#
    #.........#
     #.......#
     #.......#
     #########
ART
# One plain PBM per bitmap: 1 where the art has one of the given characters.
to_pbm() {
    awk -v set="$1" 'BEGIN { print "P1"; print "32 32" }
        { row = ""; for (i = 1; i <= 32; i++) row = row (index(set, substr($0, i, 1)) && substr($0, i, 1) != "" ? "1 " : "0 "); print row; n++ }
        END { for (; n < 32; n++) { row = ""; for (i = 1; i <= 32; i++) row = row "0 "; print row } }' "$art"
}
to_pbm '#' >"$art.bits.pbm"
to_pbm '#.' >"$art.mask.pbm"
convert "$art.bits.pbm" xbm:hand.xbm
convert "$art.mask.pbm" xbm:hand_mask.xbm
