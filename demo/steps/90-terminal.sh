# Terminal displays with scripted keys: a smiley, a frowning face, an unknown
# key (blank board), then q. Keys piped in are read without raw mode.
run_step face_banner
run_step -i "sfxq" display
# The chase game with a few moves (its placements depend on the clock).
run_step -i "ddwwaasq" chase_game
