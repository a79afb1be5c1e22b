#pragma once

// The title screen: story and level choice, music and display switches, instructions, quit.
// After Demo::IDLE_FRAMES without a key the demo plays until a key brings the menu back;
// `demo_first` starts it at once. Returns when the player quits or asks to close the game
// (here or inside a level).
void run_menu(bool demo_first = false);
// Advances and draws the lightning behind the menu by one frame; `force` starts a bolt now.
void run_menu_lightning(bool force);
// Shows "instructions.txt" and waits for a key (or a request to close the game).
void run_instructions();
