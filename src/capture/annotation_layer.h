#pragma once
// When the overlay may draw the annotation being drawn over its kept picture of the finished
// ones instead of drawing every annotation again.
#include <vector>

#include "annot/annotation.h"

// True when nothing drawn after it lies in the list: the Mosaics come after every other kind and
// the Spotlights last, dimming as one region (so a Spotlight being drawn never qualifies).
bool drawn_over_list(const std::vector<Annotation>& list, const Annotation& extra);
