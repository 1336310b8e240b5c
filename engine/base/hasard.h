#pragma once
// The program's random generator, seeded once from the time of day at start.

// An integer in 0..n-1; 0 when n < 1.
int hasard(int n);
// A real in [0, 1).
double hasardReel();
// Fixes the sequence, for tests.
void semerHasard(unsigned graine);
