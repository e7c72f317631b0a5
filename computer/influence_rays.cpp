// Influence of straight-moving pieces: one procedure per direction adds the
// reaches of one straight ray to the influence map.
//
// The survey calls them for the lance (its one forward ray) and for the rook
// and promoted rook of either side (all four rays, downward, upward, right,
// left). The sign of k chooses the side and k is the code the records carry, so
// a promoted rook records 901 or -901. A ray passes through the enemy king and
// marks the check line; any other piece ends it after its reach is recorded.
#include "computer/influence_record.h"

namespace zelkora {

namespace {

void straightRay(Form1& f, int k, int x, int y, int dx, int dy) {
    if (k < 0) influence::walkRay<true>(f, k, x, y, dx, dy);
    else influence::walkRay<false>(f, k, x, y, dx, dy);
}

}  // namespace

void Form1::勢力確定上直進(int k, int x, int y) { straightRay(*this, k, x, y, 0, -1); }
void Form1::勢力確定下直進(int k, int x, int y) { straightRay(*this, k, x, y, 0, 1); }
void Form1::勢力確定右直進(int k, int x, int y) { straightRay(*this, k, x, y, 1, 0); }
void Form1::勢力確定左直進(int k, int x, int y) { straightRay(*this, k, x, y, -1, 0); }

}  // namespace zelkora
