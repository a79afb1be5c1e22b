#include "level/Level.h"

int Level::FLOOR_HEIGHT = 500;
int Level::wave_pause = 1500;
int Level::focal_agent = 0;
int Level::suspend_win = 0;
Uint32 Level::skycolour = 0;
