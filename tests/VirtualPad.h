#pragma once
// A gamepad that exists only in this process: SDL 2's virtual joystick, in SDL's standard
// game-controller layout, attached to the SDL 2 library that sdl12-compat runs on. It is
// plugged in for its lifetime; the game finds it when it looks for pads again.
class VirtualPad {
  public:
    enum Control { A, B, START, BACK, UP, DOWN, LEFT, RIGHT };

    VirtualPad();
    ~VirtualPad();
    VirtualPad(const VirtualPad&) = delete;
    VirtualPad& operator=(const VirtualPad&) = delete;

    void press(Control c);
    void release(Control c);
    // The left stick, each axis from -32768 to 32767.
    void tilt(int x, int y);

  private:
    void* joystick;
    int instance;
};
