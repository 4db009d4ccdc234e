# A private X server for the tests that start the real program (POSIX sh,
# sourced). Other X servers may run on the same machine, some started at the
# same moment, on the machine's busiest minutes:
#  - Xvfb picks a free display itself (-displayfd), which is race-free among
#    servers started that way;
#  - the server only lets in clients that hold a cookie of its own (when xauth
#    is installed), and a display that lets in a client without it is someone
#    else's: the server is then stopped and another one started;
#  - a server that dies or does not answer in time is replaced, up to three
#    times;
#  - every wait polls its condition with a limit and stops as soon as the
#    process it waits on has died.
# Needs Xvfb and xdpyinfo (the caller checks); xauth is optional; xdotool for
# fenetre_principale.

# vivant <pid>: the process runs (a zombie counts as dead).
vivant() {
    if [ -r "/proc/$1/stat" ]; then
        case $(cut -d')' -f2- "/proc/$1/stat" 2>/dev/null) in
            " Z"* | " X"* | "") return 1 ;;
        esac
        return 0
    fi
    kill -0 "$1" 2>/dev/null
}

# attendre <seconds> <command...>: runs the command every tenth of a second
# until it succeeds (status 0) or the time is up (status 1).
attendre() {
    attendre_pendant "" "$@"
}

# attendre_pendant <pid> <seconds> <command...>: the same, but gives up at
# once (status 2) when process <pid> has ended; an empty <pid> waits on none.
attendre_pendant() {
    _ap_pid=$1
    _ap_fin=$(( $(date +%s) + $2 ))
    shift 2
    while :; do
        "$@" >/dev/null 2>&1 && return 0
        if [ -n "$_ap_pid" ] && ! vivant "$_ap_pid"; then
            "$@" >/dev/null 2>&1 && return 0
            return 2
        fi
        [ "$(date +%s)" -lt "$_ap_fin" ] || return 1
        sleep 0.1
    done
}

# arreter_processus <pid>: TERM, then KILL after five seconds; reaps it when
# it is a child of this shell.
arreter_processus() {
    [ -n "$1" ] || return 0
    kill "$1" 2>/dev/null || :
    attendre 5 eval "! vivant $1" || kill -9 "$1" 2>/dev/null || :
    wait "$1" 2>/dev/null || :
    return 0
}

SERVEUR_X_PID=

serveur_x_arreter() {
    arreter_processus "$SERVEUR_X_PID"
    SERVEUR_X_PID=
}

# serveur_x_demarrer <work dir>: starts the server, exports DISPLAY (and
# XAUTHORITY) and sets SERVEUR_X_PID. Status 1, with the server's log on
# standard output, when three tries failed.
serveur_x_demarrer() {
    _sx_essai=1
    while [ "$_sx_essai" -le 3 ]; do
        serveur_x_essai "$1" && return 0
        serveur_x_arreter
        echo "X server, try $_sx_essai: $_sx_raison"
        _sx_essai=$((_sx_essai + 1))
    done
    echo "no private X server could be started; the last one said:"
    cat "$1/xvfb.log" 2>/dev/null
    return 1
}

serveur_x_essai() {
    _sx_dir=$1
    _sx_auth=
    rm -f "$_sx_dir/affichage" "$_sx_dir/xauthority"
    # -noreset: a server with no client left would otherwise restart itself,
    # and a client connecting in that moment is turned away.
    set -- Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset
    if command -v xauth >/dev/null 2>&1; then
        _sx_cookie=$(od -An -N16 -tx1 /dev/urandom | tr -d ' \n')
        # The server reads every cookie of the file whatever its display.
        if xauth -q -f "$_sx_dir/xauthority" add :0 . "$_sx_cookie" 2>/dev/null; then
            _sx_auth=1
            set -- "$@" -auth "$_sx_dir/xauthority"
        fi
    fi
    "$@" 3>"$_sx_dir/affichage" 2>"$_sx_dir/xvfb.log" </dev/null &
    SERVEUR_X_PID=$!

    _sx_etat=0
    attendre_pendant "$SERVEUR_X_PID" 30 test -s "$_sx_dir/affichage" || _sx_etat=$?
    case $_sx_etat in
        1) _sx_raison="no display number after 30 s"; return 1 ;;
        2) _sx_raison="the server ended at start"; return 1 ;;
    esac
    _sx_numero=$(head -n 1 "$_sx_dir/affichage" | tr -cd '0-9')
    [ -n "$_sx_numero" ] || { _sx_raison="unreadable display number"; return 1; }
    DISPLAY=:$_sx_numero
    export DISPLAY
    if [ -n "$_sx_auth" ]; then
        xauth -q -f "$_sx_dir/xauthority" add "$DISPLAY" . "$_sx_cookie" 2>/dev/null ||
            { _sx_raison="xauth cannot record the cookie of $DISPLAY"; return 1; }
        XAUTHORITY=$_sx_dir/xauthority
        export XAUTHORITY
    fi

    _sx_etat=0
    attendre_pendant "$SERVEUR_X_PID" 30 xdpyinfo || _sx_etat=$?
    case $_sx_etat in
        1) _sx_raison="$DISPLAY does not answer after 30 s"; return 1 ;;
        2) _sx_raison="the server of $DISPLAY ended"; return 1 ;;
    esac
    if [ -n "$_sx_auth" ] && XAUTHORITY=/dev/null xdpyinfo >/dev/null 2>&1; then
        _sx_raison="$DISPLAY lets in clients without our cookie: another server holds it"
        return 1
    fi
    return 0
}

# fenetre_principale: prints the id of the game's main window, named Trelmo
# and 640 x 462 (a message box has the same name); status 1 while there is none.
fenetre_principale() {
    for _fp_w in $(xdotool search --onlyvisible --name '^Trelmo$' 2>/dev/null); do
        if xdotool getwindowgeometry "$_fp_w" 2>/dev/null | grep -q 'Geometry: 640x462'; then
            echo "$_fp_w"
            return 0
        fi
    done
    return 1
}
