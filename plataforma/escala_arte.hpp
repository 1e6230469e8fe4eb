#pragma once

// How many device pixels of the window stand for one of the game's points:
// 1 until the window is opened on a desktop scaled otherwise. The game speaks
// in 450x600 points everywhere; only what is painted (the pictures and the
// count's text) is drawn for the window's real pixels.
class escala_arte {
public:
    escala_arte() = delete;

    // Set once, as the window is opened.
    static void definir(float escala);
    static float atual();

private:
    static float escala;
};
