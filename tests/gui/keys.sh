# Sourced by the scripts that drive a program from the keyboard on X.
# keys NAME KEY...: once a visible window of exactly that name is on the
# screen, gives it the focus and presses the keys, within 60 s.
# xdotool's own waiting search ends with an X error when a window it has
# listed is gone before it is looked at, as short-lived windows are while a
# program starts (Wine's especially), so the search itself is repeated.
keys() {
    local deadline=$((SECONDS + 60)) found=
    until found=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null); do
        [ "$SECONDS" -lt "$deadline" ] || return 1
        sleep 0.1
    done
    timeout 60 xdotool windowfocus --sync "${found%%$'\n'*}" && xdotool key "${@:2}"
}
