// Defaults the sanitizers read at start-up when they are built into the test runner.
// The SDL 1.2 compatibility layer keeps the wrapper of every display surface it made
// (SDL_Quit does not free it); nothing the game does can release it. Its frames carry
// no frame pointers, so leak stacks are traced the slow way to see the function's name.
extern "C" const char* __asan_default_options() {
    return "fast_unwind_on_malloc=0";
}
extern "C" const char* __lsan_default_suppressions() {
    return "leak:SDL_SetVideoMode\n";
}
