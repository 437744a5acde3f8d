# Terminal displays with scripted keys: a frowning face, an unknown key (blank
# board), a smiley, then q. Keys piped in are read without raw mode.
section terminal "Terminal displays and game" \
    "Programs for a terminal read single keys: display draws a smiley or a frowning face in a framed board, chase_game moves a player after an item while an attacker steps towards it, face_banner prints a fixed face. Here the keys are piped in, so the terminal is left alone."
run_step face_banner
run_step -i "fxsq" display
# With a fixed seed the placements, and so the game, replay exactly: the player
# walks to the item, which jumps away.
run_step -i "ddddwwwq" chase_game --seed=7
last_screen display.stdout >display.screen
last_screen chase_game.stdout >chase_game.screen
screen "face_banner's face." face_banner.stdout
screen "display's last screen, after the keys f, x and s." display.screen
screen "chase_game's last screen (seed 7), after the keys d, d, d, d, w, w and w, which walk the player * onto the item @; the attacker ~ follows." chase_game.screen
