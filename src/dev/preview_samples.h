#pragma once
// The sample annotations "--preview" draws: every kind and style once or more, inside the
// 1000 x 392 area above the preview's toolbar strip.
#include <vector>

#include "annot/annotation.h"

std::vector<Annotation> preview_annotations();
