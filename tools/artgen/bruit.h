#pragma once
// Noise functions for the procedural textures: hashed lattice values, smooth
// value noise in two and three dimensions (optionally periodic, for tiles),
// fractal sums of it and cellular (Worley) distances.
#include <cstdint>

namespace trelmo::art {

// Uniform value in [0, 1) for a lattice point.
float hasard(int x, int y, std::uint32_t graine);
float hasard3(int x, int y, int z, std::uint32_t graine);

// Smooth value noise in [0, 1]. With periode > 0 the noise repeats every
// periode lattice cells in x and y.
float bruit(float x, float y, std::uint32_t graine, int periode = 0);
float bruit3(float x, float y, float z, std::uint32_t graine);

// Fractal sum of octaves of value noise, normalised to [0, 1]. Each octave
// doubles the frequency and multiplies the amplitude by gain; a periodic
// fractal doubles its period with the frequency.
float fbm(float x, float y, int octaves, std::uint32_t graine, float gain = 0.5f, int periode = 0);
float fbm3(float x, float y, float z, int octaves, std::uint32_t graine, float gain = 0.5f);

// Distances to the nearest and second-nearest feature point of a jittered
// grid with one point per unit cell.
void worley(float x, float y, std::uint32_t graine, float& f1, float& f2);

} // namespace trelmo::art
