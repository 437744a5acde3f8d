# Terminal displays with scripted keys: a smiley, a frowning face, an unknown
# key (blank board), then q. Keys piped in are read without raw mode.
section terminal "Terminal displays and game" \
    "Programs for a terminal read single keys: display draws a smiley or a frowning face in a framed board, chase_game moves a player after an item while an attacker steps towards it, face_banner prints a fixed face. Here the keys are piped in, so the terminal is left alone."
run_step face_banner
run_step -i "sfxq" display
# The chase game with a few moves (its placements depend on the clock).
run_step -i "ddwwaasq" chase_game
