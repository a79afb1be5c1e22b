#pragma once
#include <cstdint>

// The game's random numbers: the same sequence the GNU C library's rand() gives (its
// additive feedback generator, seeded with 1 until told otherwise), but owned by the game.
// Libraries in the same process draw from the C library's generator too (a sound server's
// client names its folders with it), which would shift every draw after theirs; and the
// C library locks its generator on every draw, a cost paid a million times a frame when
// the particles of a burst of gore jitter.
class Random {
  public:
    // As srand(value); 0 counts as 1.
    static void seed(unsigned value) { generator.seed(value); }
    // As rand(): 0 to 2^31 - 1.
    static int next() { return generator.next(); }

  private:
    struct Generator {
        static constexpr int DEGREE = 31;
        static constexpr int SEPARATION = 3;

        constexpr explicit Generator(unsigned value) : state(), front(0), rear(0) { seed(value); }

        constexpr void seed(unsigned value) {
            if (value == 0) value = 1;
            // A linear congruential generator fills the table (Park and Miller, computed
            // by Schrage's method so that nothing overflows).
            int32_t word = static_cast<int32_t>(value);
            state[0] = word;
            for (int i = 1; i < DEGREE; ++i) {
                const int32_t hi = word / 127773;
                const int32_t lo = word % 127773;
                word = 16807 * lo - 2836 * hi;
                if (word < 0) word += 2147483647;
                state[i] = word;
            }
            front = SEPARATION;
            rear = 0;
            // The first numbers still carry the seed's pattern.
            for (int i = 0; i < 10 * DEGREE; ++i)
                next();
        }

        constexpr int next() {
            const uint32_t sum =
                static_cast<uint32_t>(state[front]) + static_cast<uint32_t>(state[rear]);
            state[front] = static_cast<int32_t>(sum);
            if (++front == DEGREE) {
                front = 0;
                ++rear;
            } else if (++rear == DEGREE) {
                rear = 0;
            }
            return static_cast<int>(sum >> 1);
        }

        int32_t state[DEGREE];
        int front;
        int rear;
    };

    static Generator generator;
};
