#pragma once

namespace orvella {

enum class Banner { CoBrand, FullBrand, Unchanged };

// Which banner of the input window comes to the front for a random r in [0, 1): n is the
// whole number nearest to 6r + 1, a half going to the even neighbour; odd n up to 5 bring
// the co-branding banner forward, even n the fully-branded one, and 7 changes nothing.
// Over many starts that is 5/12 co-branding and 7/12 fully branded.
Banner BannerFor(double r);

// A random r for the banner choice, from a generator seeded with the clock at start-up.
double BannerRandom();

} // namespace orvella
