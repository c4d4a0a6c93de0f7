# eventually COMMAND...: runs the command until it succeeds, for at most 60 s.
eventually() {
    local deadline=$((SECONDS + 60))
    until "$@"; do [ "$SECONDS" -lt "$deadline" ] && sleep 0.1 || return 1; done
}

# keys NAME KEY...: within 60 s, focuses the visible window of exactly that
# name and presses the keys. The search is repeated because xdotool's own
# waiting search dies of an X error when a window it has listed vanishes
# before it is looked at, as Wine's short-lived start-up windows do.
keys() {
    local found
    found=$(eventually xdotool search --onlyvisible --name "^$1\$" 2>/dev/null) &&
        timeout 60 xdotool windowfocus --sync "${found%%$'\n'*}" && xdotool key "${@:2}"
}

# The no-writes checks' learner's session, driven from the keyboard: the menu, Exit, OK on the
# farewell, in the program last started in the background, which must then end well; and the
# scenarios of one (an answer, the list, the farewell).
farewell() {
    keys 'Quillory 1.0' Tab Tab Tab space && keys Quillory Return ||
        { echo "The program's session could not be driven" >&2; return 1; }
    wait $! || { echo "The program ended with status $?" >&2; return 1; }
}
scenarios=(OneAnswerFromMenuToMenu VerbListShowsTheWholeListAndTakesNoInput ExitSaysFarewellThenEnds)
