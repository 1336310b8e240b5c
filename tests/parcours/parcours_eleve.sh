#!/usr/bin/env bash
# A pupil's journey through the real program, on a real X server, with a real X client for the
# mouse and the keyboard: the welcome screen, exercise 249 done to the end, the score summary, a
# course page whose link is followed and undone, a construction played to its end and its point
# dragged, then closing from a page and from the welcome screen with the About window open.
# Usage (under xvfb-run): parcours_eleve.sh PROGRAMME X11_ELEVE DOSSIER_CAPTURES
# Every step waits for what the pupil would see (pixels at known places), never for a fixed time.
set -uo pipefail
programme=$1
outil=$2
captures=$3
mkdir -p "$captures"
etape=debut

capturer() { "$outil" capture "$captures/$1.ppm"; }

echouer() {
  echo "ÉCHEC à l'étape « $etape » : $*" >&2
  capturer "echec-$etape"
  kill "$pid" 2> /dev/null
  exit 1
}

# pareil A B [ECART]: no channel of the two colours differs by more than ECART (40 unless given).
pareil() {
  local a=$1 b=$2 ecart=${3:-40} i
  for i in 0 2 4; do
    local d=$(( 16#${a:i:2} - 16#${b:i:2} ))
    (( d > ecart || d < -ecart )) && return 1
  done
  return 0
}

# attendre X Y COULEUR [different [ECART]]: waits up to 10 s until the pixel has (or, with
# "different", no longer has) the colour, within ECART on each channel (40 unless given).
attendre() {
  local x=$1 y=$2 couleur=$3 sens=${4:-pareil} ecart=${5:-40} lue
  for _ in $(seq 200); do
    lue=$("$outil" pixel "$x" "$y") || echouer "écran illisible"
    if [ "$sens" = pareil ]; then pareil "$lue" "$couleur" "$ecart" && return 0
    else pareil "$lue" "$couleur" "$ecart" || return 0
    fi
    sleep 0.05
  done
  echouer "pixel ($x, $y) = $lue, attendu $sens de $couleur"
}

cliquer() { xdotool mousemove "$1" "$2" click 1; }

# A button that answers only after the clock's delay: clicked until the pixel changes.
cliquerJusqua() {
  local x=$1 y=$2 px=$3 py=$4 couleur=$5
  for _ in $(seq 40); do
    cliquer "$x" "$y"
    sleep 0.1
    pareil "$("$outil" pixel "$px" "$py")" "$couleur" || return 0
  done
  echouer "le bouton ($x, $y) ne répond pas"
}

# The program shows on this X server, whatever platform the tests around it chose.
QT_QPA_PLATFORM=xcb "$programme" &
pid=$!
fenetre=$(timeout 20 xdotool search --sync --name '^Vastrelle 6e 2005$' | head -n 1)
[ -n "$fenetre" ] || echouer "pas de fenêtre « Vastrelle 6e 2005 »"

etape=accueil
bleu=008BD0
attendre 5 595 $bleu
xdotool mousemove 200 300
attendre 360 480 27AE60                 # Enter, not lit
xdotool mousemove 360 480
attendre 360 480 58D68D                 # Enter lit under the mouse
capturer accueil-entree
cliquer 360 480
attendre 3 3 FF0000                     # the menu's red tab

etape="exercice 249"
cliquer 406 203                         # chapter 8
cliquer 426 218                         # its exercises
cliquer 500 248                         # exercise 249: selected, then started
cliquer 500 248
attendre 256 238 FFFFFF                 # the first choice cell
capturer exercice-question1
blanc=FFFFFF
vert=00FF00
cliquer 256 238                         # question 1: "parallèles", wrong
attendre 256 283 $vert                  # the right cell shown green
attendre 61 455 E74C3C                  # the wrong picture
capturer exercice-question1-faux
cliquerJusqua 365 407 256 283 $vert     # Suite
cliquer 256 328                         # question 2: "ni l'un, ni l'autre", right
attendre 61 455 27AE60                  # the right picture
capturer exercice-question2-juste
cliquerJusqua 365 407 256 328 $vert
cliquer 256 238                         # question 3: "parallèles", right
attendre 256 238 $vert
attendre 61 455 27AE60
capturer exercice-fin

etape="bilan des scores"
cliquer 668 53                          # Bilan opens the summary beside the page
attendre 534 157 0066B3                 # its heading band
capturer bilan
cliquer 200 560                         # the next click closes it
attendre 534 157 0066B3 different

etape="page de cours et lien"
cliquerJusqua 365 407 256 238 $vert     # Sommaire, back to the menu
attendre 300 50 FF0000                  # the menu's red bar
for y in 98 113 128 143; do cliquer 13 $y; done   # chapters 1 to 4 folded
cliquer 150 263                         # "Comparer un quotient à 1"
cliquer 150 263
attendre 300 50 2FB98C                  # the course page's green bar
attendre 389 225 0000FF                 # its link frame, painted over the page
capturer cours-page
cliquer 389 216                         # the words over the frame lead to another page
attendre 700 95 FFFFFF different 4      # the back button shows
capturer cours-lien-suivi
cliquer 700 95
attendre 700 95 FFFFFF pareil 4         # back on the first page: no back button
capturer cours-retour

etape=construction
cliquer 75 20                           # the menu
cliquer 33 515                          # the constructions
cliquer 120 560                         # "Médiatrice avec un losange"
cliquer 120 560
attendre 300 50 00B2F6                  # the animation page's blue bar
for _ in 1 2 3 4; do cliquer 726 256; done
attendre 605 368 0000FF                 # point A, blue and draggable at the last step
capturer construction-fin
xdotool mousemove 605 368 mousedown 1 mousemove 630 355 mousemove 660 340 mouseup 1
attendre 660 340 0000FF                 # A where the pupil left it
capturer construction-deplacee

etape=fermeture
"$outil" fermer "$fenetre" || echouer "demande de fermeture refusée par le serveur"
attendre 5 595 $bleu                    # from a page: back to the welcome screen
kill -0 "$pid" 2> /dev/null || echouer "le programme s'est arrêté depuis une page"
capturer fermeture-accueil
cliquer 60 545                          # About: its window opens above the picture, over Enter
attendre 75 530 E0FFE0
cliquer 360 480                         # a click there closes it: then Enter, under the mouse,
attendre 360 480 58D68D                 # is lit, and About is not
attendre 60 545 839EC9 pareil 20
cliquer 60 545
attendre 75 530 E0FFE0
"$outil" fermer "$fenetre"              # closes the About window, then the program
for _ in $(seq 200); do kill -0 "$pid" 2> /dev/null || break; sleep 0.05; done
kill -0 "$pid" 2> /dev/null && echouer "le programme ne s'arrête pas depuis l'accueil"
wait "$pid"
code=$?
[ "$code" -eq 0 ] || echouer "code de sortie $code"
echo "parcours réussi"
