#pragma once

// The title screen: story and level choice, music and display switches, instructions, quit.
// Returns when the player quits or asks to close the game (here or inside a level).
void run_menu();
// Advances and draws the lightning behind the menu by one frame; `force` starts a bolt now.
void run_menu_lightning(bool force);
// Shows "instructions.txt" and waits for a key (or a request to close the game).
void run_instructions();
