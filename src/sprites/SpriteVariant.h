#pragma once

// The skins of a fighter picture. 0 is the drawing as loaded; 1 to 26 are recoloured
// from it when an agent sprite loads. Plain sprites have only VARIANT_SHEET.
enum SpriteVariant {
    VARIANT_SHEET = 0,
    VARIANT_WHITE_CAPE = 1,
    VARIANT_GREY_CAPE = 2,
    VARIANT_NO_CAPE = 3,
    VARIANT_NO_CAPE_RED_EYES = 4,
    VARIANT_NO_CAPE_GREEN_EYES = 5,
    VARIANT_OLIVE_CAPE = 6,
    VARIANT_DARK_CAPE = 7,
    VARIANT_YELLOW_CAPE = 8,
    VARIANT_PURPLE_CAPE = 9,
    VARIANT_CYAN_CAPE = 10,
    VARIANT_RED_CAPE = 11,
    VARIANT_GREEN_CAPE = 12,
    VARIANT_BLUE_CAPE = 13,
    VARIANT_GLOW1 = 14,
    VARIANT_GLOW2 = 15,
    VARIANT_GLOW3 = 16,
    VARIANT_GLOW4 = 17,
    VARIANT_BROWN_CAPE = 18,
    VARIANT_HEADLESS = 19,
    VARIANT_BLOOD = 20,
    VARIANT_WATER = 21,
    VARIANT_NO_CAPE_UNARMED = 22,
    VARIANT_GREY_CAPE_UNARMED = 23,
    VARIANT_WHITE_CAPE_UNARMED = 24,
    VARIANT_FOREST_CAPE = 25,
    VARIANT_TAN_CAPE = 26
};

// Number of variants an agent sprite holds.
constexpr int VARIANT_COUNT = 27;
