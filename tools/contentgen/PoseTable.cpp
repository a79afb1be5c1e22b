#include "PoseTable.h"

namespace contentgen {

namespace {
constexpr View SIDE = View::side, FRONT = View::front;
constexpr Grip HAND = Grip::near_hand, BOTH = Grip::both, BARE = Grip::none;
constexpr Strike NO = Strike::none, B2 = Strike::blade2, B3 = Strike::blade3, T1 = Strike::tip1,
                 T2 = Strike::tip2, NH = Strike::near_hand, FH = Strike::far_hand;
constexpr bool HEAD = false, GONE = true;
constexpr Smear NS = Smear::none, ARC = Smear::arc, THRUST = Smear::thrust, DIVE = Smear::dive;

// Angles: 0 forward, 90 down, 180 back, -90 up. Arms and legs: {upper, lower}. Hip x, y place
// the pelvis (the bottom row is wherever the lowest pixel falls); lean tilts the torso forward;
// nod tilts the head; cape and len give the direction and length of the cape's lower part, set
// where the motion leaves it (it trails a step, a turn or a jump by a picture); hit marks the
// attack points: NO for none, B2/B3 on the blade, T1/T2 at its tip, NH/FH in the near or far
// hand; smear and swept mark the fastest pictures. BOTH puts the far hand on the hilt (its arm
// angles are then unused).
// clang-format off
const std::vector<Pose> table = {
//  n  view  hip x hip y  lean   nod     near arm       far arm      near leg      far leg    grip sword  cape len hit  spin  head cut x cut y smear swept
// idle guard, breathing: knees soft, weight low, both hands on the hilt
{   0, SIDE,     0,  -30,    8,    2, {  45,  -18}, {   0,    0}, {  56,  100}, { 124,  104}, BOTH,  -42,  100,  34, NO,    0, HEAD,    0,    0, NS,    0},
{   8, SIDE,     0,  -30,    7,    1, {  42,  -21}, {   0,    0}, {  58,   99}, { 122,  103}, BOTH,  -44,   98,  34, NO,    0, HEAD,    0,    0, NS,    0},
{   9, SIDE,     0,  -30,    6,    0, {  39,  -24}, {   0,    0}, {  60,   98}, { 120,  102}, BOTH,  -46,   96,  34, NO,    0, HEAD,    0,    0, NS,    0},
// walk: contact, down, passing, for each leg; the body dips on the loaded leg, the cape trails
{   1, SIDE,     0,  -30,    9,    2, {  60,  -12}, {   0,    0}, {  58,   82}, { 118,  128}, BOTH,  -36,  118,  34, NO,    0, HEAD,    0,    0, NS,    0},
{   2, SIDE,     0,  -29,   11,    3, {  62,  -10}, {   0,    0}, {  72,  102}, { 108,  142}, BOTH,  -34,  126,  34, NO,    0, HEAD,    0,    0, NS,    0},
{   3, SIDE,     0,  -31,    9,    2, {  60,  -12}, {   0,    0}, {  86,   96}, {  72,  128}, BOTH,  -36,  116,  34, NO,    0, HEAD,    0,    0, NS,    0},
{   4, SIDE,     0,  -30,    9,    2, {  58,  -14}, {   0,    0}, { 118,  128}, {  58,   82}, BOTH,  -38,  120,  34, NO,    0, HEAD,    0,    0, NS,    0},
{   5, SIDE,     0,  -29,   11,    3, {  60,  -12}, {   0,    0}, { 108,  142}, {  72,  102}, BOTH,  -36,  128,  34, NO,    0, HEAD,    0,    0, NS,    0},
{   6, SIDE,     0,  -31,    9,    2, {  62,  -10}, {   0,    0}, {  72,  128}, {  86,   96}, BOTH,  -34,  114,  34, NO,    0, HEAD,    0,    0, NS,    0},
// stunned: doubled over the blow, knees giving, sword arm hanging
{   7, SIDE,    -4,  -27,   40,   28, {  95,   75}, { 110,   95}, {  72,  108}, { 122,  100}, HAND,   55,  135,  28, NO,    0, HEAD,    0,    0, NS,    0},
// block: raising the guard (11), full guard with the sword upright in front, weight back (10)
{  11, SIDE,    -2,  -30,    0,    0, {  55,   -5}, {   0,    0}, {  68,   98}, { 118,  102}, BOTH,  -66,  102,  34, NO,    0, HEAD,    0,    0, NS,    0},
{  10, SIDE,    -3,  -30,   -5,   -4, {  55,  -20}, {   0,    0}, {  70,   94}, { 122,  100}, BOTH,  -90,   98,  34, NO,    0, HEAD,    0,    0, NS,    0},
// slash: the sword cocked over the shoulder, lifted behind the head while the weight sinks onto
// the back leg, then swung over into a full horizontal cut on a step in
{  12, SIDE,    -2,  -29,   -4,   -2, { 110, -120}, {   0,    0}, {  60,  104}, { 122,  100}, BOTH, -168,  104,  34, NO,    0, HEAD,    0,    0, NS,    0},
{ 124, SIDE,    -3,  -28,   -8,   -4, { 150, -120}, {   0,    0}, {  54,  110}, { 124,   98}, BOTH, -140,  100,  34, NO,    0, HEAD,    0,    0, NS,    0},
{ 125, SIDE,    -4,  -27,  -12,   -6, { 170, -110}, {   0,    0}, {  46,  118}, { 126,   96}, BOTH, -112,   96,  34, NO,    0, HEAD,    0,    0, NS,    0},
{  13, SIDE,     2,  -29,   10,    4, { -60,  -30}, {   0,    0}, {  52,   96}, { 125,  112}, BOTH,  -50,  112,  34, NO,    0, HEAD,    0,    0, NS,    0},
{  14, SIDE,     5,  -28,   14,    6, {  18,   12}, {   0,    0}, {  48,   98}, { 128,  120}, BOTH,    0,  134,  34, B3,    0, HEAD,    0,    0, ARC, 100},
// crouch: a squash for a take-off or a landing, the cape lifting behind as the body drops
{  15, SIDE,     0,  -22,   24,    8, {  75,   -5}, {   0,    0}, {  35,  120}, {  70,  150}, BOTH,  -30,  148,  28, NO,    0, HEAD,    0,    0, NS,    0},
{  63, SIDE,     0,  -20,   30,   12, {  80,    0}, {   0,    0}, {  28,  128}, {  62,  156}, BOTH,  -20,  162,  26, NO,    0, HEAD,    0,    0, NS,    0},
// in the air: rising with knees drawn up and the cape dragging below (16), falling with legs
// reaching down and the cape blown up behind (17)
{  16, SIDE,     0,  -31,    6,    2, {  50,  -25}, {   0,    0}, {  10,  110}, {  40,  125}, BOTH,  -55,  112,  30, NO,    0, HEAD,    0,    0, NS,    0},
{  17, SIDE,     0,  -31,   -2,   -4, {  20,  -40}, {   0,    0}, {  72,  100}, { 108,   96}, BOTH,  -60, -140,  34, NO,    0, HEAD,    0,    0, NS,    0},
// turning, seen from the front, sword upright in the middle, the cape still swinging behind
{  18, FRONT,    0,  -31,    0,    0, {  70,  205}, { 110,  -25}, {  78,   88}, { 102,   92}, HAND,  -90,  112,  30, NO,    0, HEAD,    0,    0, NS,    0},
{  36, FRONT,    0,  -31,    0,    0, {  70,  205}, { 110,  -25}, {  45,  120}, { 135,   60}, HAND,  -90,  115,  30, NO,    0, HEAD,    0,    0, NS,    0},
{  37, FRONT,    0,  -31,    0,    0, {  70,  205}, { 110,  -25}, {  50,  125}, { 130,   55}, HAND,   90, -125,  22, NO,    0, HEAD,    0,    0, NS,    0},
// air slash: sword cocked behind the head, swinging over, swept down and forward with the body
// curling after it; then the same while falling
{  19, SIDE,    -2,  -31,   -8,   -4, { -95, -150}, {   0,    0}, {  20,  110}, {  45,  120}, BOTH,  -150,  104,  34, NO,    0, HEAD,    0,    0, NS,    0},
{  20, SIDE,     1,  -31,    6,    3, { -50,  -25}, {   0,    0}, {  20,  110}, {  45,  120}, BOTH,  -40,  112,  34, NO,    0, HEAD,    0,    0, NS,    0},
{  21, SIDE,    -2,  -31,   20,   10, {  50,   40}, {   0,    0}, {  20,  110}, {  45,  120}, BOTH,   45,  125,  34, B3,    0, HEAD,    0,    0, ARC,  85},
{  22, SIDE,    -2,  -31,   -8,   -4, { -95, -150}, {   0,    0}, {  74,  100}, { 106,   94}, BOTH,  -150, -150,  34, NO,    0, HEAD,    0,    0, NS,    0},
{  23, SIDE,     1,  -31,    8,    3, { -50,  -25}, {   0,    0}, {  76,  100}, { 106,   96}, BOTH,  -40, -145,  34, NO,    0, HEAD,    0,    0, NS,    0},
{  24, SIDE,    -2,  -31,   20,   10, {  50,   40}, {   0,    0}, {  74,  100}, { 106,   94}, BOTH,   45, -140,  34, NO,    0, HEAD,    0,    0, ARC,  85},
// fire bolt: the sword low, the free hand drawn back, gathering at the chest, thrust forward
{  25, SIDE,    -2,  -30,   -4,   -2, {  95,  125}, { 125,  165}, {  66,  100}, { 120,  102}, HAND,  150,  100,  34, NO,    0, HEAD,    0,    0, NS,    0},
{  26, SIDE,    -1,  -30,   -2,    0, {  95,  125}, {  85,  -45}, {  66,  100}, { 120,  102}, HAND,  150,  102,  34, NO,    0, HEAD,    0,    0, NS,    0},
{  27, SIDE,     0,  -30,    2,    0, {  95,  125}, {  60,  -20}, {  62,  100}, { 122,  104}, HAND,  150,  106,  34, NO,    0, HEAD,    0,    0, NS,    0},
{  28, SIDE,     2,  -30,    6,    2, {  98,  128}, {  30,    0}, {  56,   98}, { 124,  108}, HAND,  152,  114,  34, NO,    0, HEAD,    0,    0, NS,    0},
{  29, SIDE,     3,  -30,    8,    2, { 100,  130}, {  10,    5}, {  52,   98}, { 126,  112}, HAND,  155,  122,  34, FH,    0, HEAD,    0,    0, NS,    0},
// going into a roll, deeper and more tucked; then the tucked ball turning
{  30, SIDE,     0,  -22,   45,   20, {  60,   20}, {  70,   30}, {  30,  130}, {  50,  140}, HAND,   20,  150,  24, NO,    0, HEAD,    0,    0, NS,    0},
{  31, SIDE,     2,  -18,   65,   30, {  70,   40}, {  80,   50}, {  10,  150}, {  30,  160}, HAND,   40,  170,  22, NO,    0, HEAD,    0,    0, NS,    0},
{  32, SIDE,     4,  -16,   85,   40, {  80,   60}, {  90,   70}, { -10,  160}, {  10,  170}, HAND,   60,  185,  20, NO,    0, HEAD,    0,    0, NS,    0},
{  33, SIDE,    -4,  -20,   70,   80, {  80,  150}, {  90,  160}, { -10,  160}, {   0,  165}, HAND,  190,  190,  14, NO,    0, HEAD,    0,    0, NS,    0},
{  34, SIDE,    -4,  -20,   70,   80, {  80,  150}, {  90,  160}, { -10,  160}, {   0,  165}, HAND,  190,  190,  14, NO,  120, HEAD,    0,    0, NS,    0},
{  35, SIDE,    -4,  -20,   70,   80, {  80,  150}, {  90,  160}, { -10,  160}, {   0,  165}, HAND,  190,  190,  14, NO,  240, HEAD,    0,    0, NS,    0},
// lunge: run-up from the guard; the sword hand drawn back to the hip, point forward, while the
// strides drive lower; the thrust; the cut at full reach with the free arm flung back; recovery
{  38, SIDE,     0,  -30,    8,    2, {  55,  -15}, {   0,    0}, {  58,   84}, { 118,  128}, BOTH,  -75,  125,  34, NO,    0, HEAD,    0,    0, NS,    0},
{  39, SIDE,     1,  -30,   12,    2, {  58,  -10}, {   0,    0}, { 112,  138}, {  62,   90}, BOTH,  -62,  135,  34, NO,    0, HEAD,    0,    0, NS,    0},
{  40, SIDE,     2,  -28,   14,    3, { 150,   20}, {  30,  -10}, {  55,   92}, { 125,  125}, HAND,   -8,  145,  34, NO,    0, HEAD,    0,    0, NS,    0},
{  41, SIDE,     3,  -27,   17,    3, { 155,   25}, {  40,    0}, { 120,  140}, {  58,   90}, HAND,   -6,  152,  34, NO,    0, HEAD,    0,    0, NS,    0},
{  42, SIDE,     4,  -26,   20,    4, { 160,   30}, {  50,   20}, {  45,   95}, { 130,  132}, HAND,   -4,  158,  34, NO,    0, HEAD,    0,    0, NS,    0},
{ 126, SIDE,     5,  -25,   22,    5, { 165,   35}, {  60,   40}, {  40,   95}, { 135,  138}, HAND,   -2,  162,  34, NO,    0, HEAD,    0,    0, NS,    0},
{  43, SIDE,     6,  -24,   25,    5, {  80,    5}, { 110,  150}, {  30,   95}, { 138,  142}, HAND,   -2,  166,  35, NO,    0, HEAD,    0,    0, NS,    0},
{  44, SIDE,     6,  -23,   28,    5, {  15,    2}, { 150,  170}, {  24,   93}, { 140,  145}, HAND,    0,  170,  36, NO,    0, HEAD,    0,    0, THRUST, 0},
{  45, SIDE,     6,  -22,   30,    5, {   2,    0}, { 165,  175}, {  20,   92}, { 142,  147}, HAND,    0,  172,  36, B3,    0, HEAD,    0,    0, THRUST, 0},
{  46, SIDE,     5,  -23,   32,    6, {  10,   18}, { 150,  165}, {  28,   95}, { 138,  140}, HAND,   20,  150,  34, NO,    0, HEAD,    0,    0, NS,    0},
{  47, SIDE,     2,  -27,   16,    2, {  45,   -5}, { 110,  130}, {  50,   98}, { 128,  118}, HAND,  -25,  120,  34, NO,    0, HEAD,    0,    0, NS,    0},
// beheaded: the headless body standing, then the knees giving and the body toppling forward
{  48, SIDE,     0,  -31,    0,    0, {  80,   70}, { 100,   95}, {  85,   95}, {  98,   92}, HAND,   75,   96,  34, NO,    0, GONE,    0,    0, NS,    0},
{  49, SIDE,     0,  -27,   -6,    0, {  85,   75}, { 100,   95}, {  50,  125}, {  95,  120}, HAND,   70,  100,  34, NO,    0, GONE,    0,    0, NS,    0},
{  50, SIDE,     0,  -20,    8,    0, {  95,   90}, { 100,   95}, {  25,  165}, {  40,  170}, HAND,   80,  115,  34, NO,    0, GONE,    0,    0, NS,    0},
{  51, SIDE,    -4,  -18,   40,    0, {  95,   95}, { 105,  100}, {  20,  170}, {  30,  175}, HAND,   90,  140,  34, NO,    0, GONE,    0,    0, NS,    0},
{  52, SIDE,   -12,  -12,   70,    0, {  50,   20}, {  60,   30}, { 170,  175}, { 160,  175}, HAND,   30,  170,  22, NO,    0, GONE,    0,    0, NS,    0},
{  53, SIDE,   -14,   -5,   88,    0, {  -5,    0}, {   5,    5}, { 178,  180}, { 172,  182}, HAND,    5,  178,  16, NO,    0, GONE,    0,    0, NS,    0},
{  79, SIDE,   -14,   -5,   90,    0, {  -5,    0}, {   5,    5}, { 180,  180}, { 175,  183}, HAND,    0,  178,  16, NO,    0, GONE,    0,    0, NS,    0},
// blocking in the air, legs tucked, and the same while falling
{  54, SIDE,    -2,  -31,    0,    0, {  55,   -5}, {   0,    0}, {  20,  105}, {  45,  115}, BOTH,  -66,  104,  34, NO,    0, HEAD,    0,    0, NS,    0},
{  55, SIDE,    -3,  -31,   -5,   -4, {  55,  -20}, {   0,    0}, {  20,  105}, {  45,  115}, BOTH,  -90,  100,  34, NO,    0, HEAD,    0,    0, NS,    0},
{  56, SIDE,    -2,  -31,    0,    0, {  55,   -5}, {   0,    0}, {  72,  100}, { 108,   94}, BOTH,  -66, -150,  34, NO,    0, HEAD,    0,    0, NS,    0},
{  57, SIDE,    -3,  -31,   -5,   -4, {  55,  -20}, {   0,    0}, {  72,  100}, { 108,   94}, BOTH,  -90, -145,  34, NO,    0, HEAD,    0,    0, NS,    0},
// fire bolt in the air, legs tucked
{  58, SIDE,    -1,  -31,   -4,    0, {  95,  125}, { 125,  165}, {  20,  110}, {  45,  120}, HAND,  150,  100,  34, NO,    0, HEAD,    0,    0, NS,    0},
{  59, SIDE,    -1,  -31,   -2,    0, {  95,  125}, {  85,  -45}, {  20,  110}, {  45,  120}, HAND,  150,  100,  34, NO,    0, HEAD,    0,    0, NS,    0},
{  60, SIDE,     0,  -31,    2,    0, {  95,  125}, {  60,  -20}, {  20,  110}, {  45,  120}, HAND,  150,  104,  34, NO,    0, HEAD,    0,    0, NS,    0},
{  61, SIDE,     2,  -31,    6,    2, {  98,  128}, {  30,    0}, {  20,  110}, {  45,  120}, HAND,  152,  110,  34, NO,    0, HEAD,    0,    0, NS,    0},
{  62, SIDE,     3,  -31,    8,    2, { 100,  130}, {  10,    5}, {  20,  110}, {  45,  120}, HAND,  155,  116,  34, FH,    0, HEAD,    0,    0, NS,    0},
// fire shield: arms crossed and gathering, flung wide, settling back
{  64, SIDE,     0,  -30,    8,    5, {  70,  200}, {  60,  190}, {  66,  102}, { 118,  100}, HAND,  120,  102,  34, NO,    0, HEAD,    0,    0, NS,    0},
{  65, SIDE,     0,  -26,   18,   12, {  80,  210}, {  70,  200}, {  45,  115}, { 100,  130}, HAND,  130,  112,  28, NO,    0, HEAD,    0,    0, NS,    0},
{  66, SIDE,    -1,  -31,   -8,   -8, { -25,  -35}, {-150, -160}, {  70,   95}, { 116,   98}, HAND,  -45,  160,  32, FH,    0, HEAD,    0,    0, NS,    0},
{  67, SIDE,    -1,  -31,   -4,   -4, {  10,  -20}, {-170, -175}, {  70,   98}, { 116,  100}, HAND,  -35,  130,  32, NO,    0, HEAD,    0,    0, NS,    0},
{  68, SIDE,     0,  -30,    0,   -2, {  40,  -15}, { 160,  150}, {  66,   99}, { 118,  102}, HAND,  -38,  112,  34, NO,    0, HEAD,    0,    0, NS,    0},
{  69, SIDE,     0,  -30,    4,    0, {  55,  -10}, { 100,   60}, {  64,  100}, { 118,  102}, HAND,  -40,  104,  34, NO,    0, HEAD,    0,    0, NS,    0},
// stomp dive: plunging straight down, knees drawn up, both hands driving the sword below the feet
{  71, SIDE,     0,  -31,   15,   20, {  75,   85}, {   0,    0}, {  10,  120}, {  30,  135}, BOTH,   85,  -95,  32, T2,    0, HEAD,    0,    0, DIVE,  0},
// struck down: thrown back off the feet, falling, slamming down with the legs kicked up, the
// bounce settling, and the corpse on its back with its twitches
{  72, SIDE,    -4,  -31,  -18,  -20, { -30,  -70}, {-160, -140}, {  45,   80}, { 115,  100}, HAND,  -75,   80,  34, NO,    0, HEAD,    0,    0, NS,    0},
{  73, SIDE,    -6,  -26,  -45,  -20, { -70,  -95}, {-150, -120}, {  30,   75}, {  65,  120}, HAND, -105,   75,  34, NO,    0, HEAD,    0,    0, NS,    0},
{  74, SIDE,    -2,  -10,  -80,  -15, {-150, -170}, {-170,  180}, { -55,  -10}, { -40,   15}, HAND, -170,    0,  22, NO,    0, HEAD,    0,    0, NS,    0},
{  75, SIDE,     6,   -6,  -87,    6, {-160, -175}, {-165, -175}, { -12,   22}, {   0,   12}, HAND,  175,    5,  14, NO,    0, HEAD,    0,    0, NS,    0},
{  76, SIDE,    10,   -5,  -90,    5, {-150, -175}, {-175, -185}, {   0,    5}, {   5,    0}, HAND,  180,    5,  12, NO,    0, HEAD,    0,    0, NS,    0},
{ 109, SIDE,    10,   -5,  -90,    5, {-150, -175}, {-175, -185}, {   0,    5}, {   5,    0}, HAND,  180,    5,  12, NO,    0, HEAD,    0,    0, NS,    0},
{  77, SIDE,    10,   -5,  -90,    5, {-130, -150}, {-175, -185}, {   0,    5}, {   5,    0}, HAND, -160,    5,  12, NO,    0, HEAD,    0,    0, NS,    0},
{  78, SIDE,    10,   -5,  -90,    5, {-150, -175}, {-175, -185}, { -15,  -10}, {   5,    0}, HAND,  180,    5,  12, NO,    0, HEAD,    0,    0, NS,    0},
// burning up (flames and ash are painted over these): flailing, sagging, kneeling, slumping
{  80, SIDE,     0,  -31,   -5,  -15, { -60,  -80}, {-120, -100}, {  80,   98}, { 102,   94}, HAND,  -80,  100,  34, NO,    0, HEAD,    0,    0, NS,    0},
{  81, SIDE,     0,  -29,   10,   10, { -30,  -50}, {-140, -120}, {  70,  110}, { 105,  100}, HAND,   80,  104,  26, NO,    0, HEAD,    0,    0, NS,    0},
{  82, SIDE,     0,  -24,   25,   20, {  60,   90}, {  70,  100}, {  40,  140}, {  60,  150}, HAND,   95,  110,  22, NO,    0, HEAD,    0,    0, NS,    0},
{  83, SIDE,     0,  -18,   40,   30, {  80,   95}, {  90,  105}, {  20,  170}, {  30,  175}, BARE,   90,  135,  16, NO,    0, HEAD,    0,    0, NS,    0},
{  84, SIDE,    -3,  -14,   60,   40, {  95,  100}, { 100,  110}, {  10,  175}, {  20,  178}, BARE,   90,  150,  10, NO,    0, HEAD,    0,    0, NS,    0},
// civilians: a child (89 standing, 93 talking, 94 struck) and a woman (128 standing, 127 talking, 129 struck)
{  89, SIDE,     0,  -31,    0,    0, {  92,   95}, {  88,   85}, {  85,   95}, {  96,   92}, BARE,    0,    0,   0, NO,    0, HEAD,    0,    0, NS,    0},
{  93, SIDE,     0,  -31,    0,   -5, {  92,   95}, {  20,  -50}, {  85,   95}, {  96,   92}, BARE,    0,    0,   0, NO,    0, HEAD,    0,    0, NS,    0},
{  94, SIDE,    -4,  -31,  -20,  -20, { -40,  -80}, {-140, -110}, {  55,   80}, { 110,   95}, BARE,    0,    0,   0, NO,    0, HEAD,    0,    0, NS,    0},
{ 127, SIDE,     0,  -31,    0,   -5, {  92,   95}, {  30,  -40}, {  86,   92}, {  94,   90}, BARE,    0,    0,   0, NO,    0, HEAD,    0,    0, NS,    0},
{ 128, SIDE,     0,  -31,    0,    0, {  95,  100}, {  85,   80}, {  86,   92}, {  94,   90}, BARE,    0,    0,   0, NO,    0, HEAD,    0,    0, NS,    0},
{ 129, SIDE,    -4,  -30,  -25,  -20, { -50,  -90}, {-130, -100}, {  60,   85}, { 110,  100}, BARE,    0,    0,   0, NO,    0, HEAD,    0,    0, NS,    0},
// talking: the free hand gesturing, sword lowered
{  90, SIDE,     0,  -30,    2,    0, {  80,   70}, {  50,  -10}, {  72,   98}, { 114,  100}, HAND,   65,  100,  34, NO,    0, HEAD,    0,    0, NS,    0},
{  91, SIDE,     0,  -30,    2,   -4, {  80,   70}, {  25,  -45}, {  72,   98}, { 114,  100}, HAND,   65,  100,  34, NO,    0, HEAD,    0,    0, NS,    0},
{  92, SIDE,     0,  -30,    3,    3, {  80,   70}, {  55,   10}, {  72,   98}, { 114,  100}, HAND,   65,  100,  34, NO,    0, HEAD,    0,    0, NS,    0},
// summoning, played 97, 96, 95: arms rising, raised to the sky, brought down casting
{  97, SIDE,     0,  -30,   -3,   -8, { -20,  -40}, { -10,  -30}, {  70,  100}, { 114,  100}, HAND,  -60,  104,  34, NO,    0, HEAD,    0,    0, NS,    0},
{  96, SIDE,     0,  -31,   -8,  -20, { -80,  -90}, { -70,  -85}, {  76,   98}, { 110,   96}, HAND,  -90,  108,  34, NO,    0, HEAD,    0,    0, NS,    0},
{  95, SIDE,     0,  -27,   12,    8, {  40,   60}, {  20,   30}, {  55,  105}, { 118,  108}, HAND,   70,  126,  32, FH,    0, HEAD,    0,    0, NS,    0},
// the corpse after a tumbling death, lying on its front, and its twitch
{  98, SIDE,    -8,   -5,   90,   10, {  -5,    0}, {   5,    5}, { 178,  182}, { 174,  180}, HAND,   -5,  178,  16, NO,    0, HEAD,    0,    0, NS,    0},
{  99, SIDE,    -8,   -5,   90,   10, { -25,  -40}, {   5,    5}, { 178,  182}, { 174,  180}, HAND,  -30,  178,  16, NO,    0, HEAD,    0,    0, NS,    0},
{ 100, SIDE,    -8,   -5,   90,    5, {  -5,    0}, {   5,    5}, { 175,  150}, { 174,  180}, HAND,   -5,  178,  16, NO,    0, HEAD,    0,    0, NS,    0},
{ 101, SIDE,    -8,   -5,   90,   12, {  -5,    0}, {   5,    5}, { 178,  182}, { 165,  150}, HAND,   -5,  178,  16, NO,    0, HEAD,    0,    0, NS,    0},
// cut in two: the upper body separating and falling, blood pumping, collapsing, remains
{ 102, SIDE,     0,  -31,  -22,  -10, { -30,  -70}, {-150, -120}, {  80,   98}, { 102,   94}, HAND,  -80,  110,  34, NO,    0, HEAD,   -5,   -8, NS,    0},
{ 103, SIDE,     0,  -31,  -55,  -10, { -70, -110}, {-160, -150}, {  80,   98}, { 102,   94}, HAND, -110,  100,  26, NO,    0, HEAD,  -12,    6, NS,    0},
{ 104, SIDE,     0,  -31,  -90,    0, {-130, -160}, {-170, -175}, {  80,   98}, { 102,   94}, HAND,  170,    5,  12, NO,    0, HEAD,  -16,   26, NS,    0},
{ 105, SIDE,     0,  -31,  -90,    3, {-125, -150}, {-170, -180}, {  82,  100}, { 100,   94}, HAND,  172,    5,  12, NO,    0, HEAD,  -16,   26, NS,    0},
{ 106, SIDE,     4,  -22,  -90,    3, {-130, -160}, {-170, -175}, {  30,  150}, {  45,  160}, HAND,  172,    5,  12, NO,    0, HEAD,  -20,   17, NS,    0},
{ 107, SIDE,     6,  -10,  -90,    3, {-130, -160}, {-170, -175}, {  20,  100}, {  10,   80}, HAND,  172,    5,  12, NO,    0, HEAD,  -22,    5, NS,    0},
{ 108, SIDE,     8,   -5,  -90,    3, {-135, -165}, {-170, -178}, {  -5,    5}, {   5,   -5}, HAND,  175,    5,  12, NO,    0, HEAD,  -25,    0, NS,    0},
// killed by a fire bolt: thrown back charred and smoking, landing, lying, the charred corpse
{ 110, SIDE,    -2,  -34,  -35,  -25, { -70, -110}, {-150, -130}, {  40,   70}, {  60,   90}, HAND, -110,   70,  34, NO,    0, HEAD,    0,    0, NS,    0},
{ 111, SIDE,    -2,  -30,  -60,  -20, {-100, -130}, {-160, -140}, {  20,   50}, {  30,   70}, HAND, -140,   65,  34, NO,    0, HEAD,    0,    0, NS,    0},
{ 112, SIDE,     6,  -12,  -85,  -10, {-120, -150}, {-165, -170}, {   0,   40}, {  10,   20}, HAND, -160,    5,  12, NO,    0, HEAD,    0,    0, NS,    0},
{ 113, SIDE,    10,   -5,  -90,    5, {-100,  -30}, {-170, -110}, {  -5,   10}, {   5,    0}, HAND,  175,    5,  12, NO,    0, HEAD,    0,    0, NS,    0},
{ 114, SIDE,    10,   -5,  -90,    5, {-110,  -40}, {-170, -120}, {  -5,   10}, {   5,    0}, HAND,  175,    5,  12, NO,    0, HEAD,    0,    0, NS,    0},
{ 115, SIDE,    10,   -5,  -90,    5, { -95,  -10}, {-150,  -60}, { -30,   60}, { -20,   70}, HAND,  175,    5,  12, NO,    0, HEAD,    0,    0, NS,    0},
// killed by fire: flailing in flames and collapsing
{ 116, SIDE,     0,  -31,   -5,  -20, { -70, -110}, {-120,  -80}, {  70,   95}, { 110,  100}, HAND,  -80,  110,  34, NO,    0, HEAD,    0,    0, NS,    0},
{ 117, SIDE,     0,  -27,   20,   10, { -20,  -60}, {-150, -120}, {  50,  120}, { 110,  115}, HAND,   60,  125,  26, NO,    0, HEAD,    0,    0, NS,    0},
{ 118, SIDE,    -4,  -16,   55,   25, {  80,   30}, {  90,   60}, {  15,  170}, {  30,  175}, HAND,   60,  150,  22, NO,    0, HEAD,    0,    0, NS,    0},
// casting lightning: one arm raised high, hand open, the sword low
{ 119, SIDE,     0,  -31,   -6,  -20, {  85,   75}, { -85,  -88}, {  72,  100}, { 114,   98}, HAND,  110,  100,  34, FH,    0, HEAD,    0,    0, NS,    0},
};
// clang-format on
} // namespace

const std::vector<Pose>& pose_table() {
    return table;
}

bool is_airborne(int n) {
    // Shown in the air: the lowest pixel, sword or not, is where the fighter's position is.
    static const int air[] = {16, 17, 19, 20, 21, 22, 23, 24, 36, 37,
                              54, 55, 56, 57, 58, 59, 60, 61, 62, 71};
    for (int a : air)
        if (a == n) return true;
    return false;
}

const Pose* find_pose(int n) {
    for (const Pose& p : table)
        if (p.number == n) return &p;
    return nullptr;
}

} // namespace contentgen
