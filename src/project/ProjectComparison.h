#pragma once

#include "project/TBrindlecast.h"

// Whether the two records differ in anything the project file stores apart from Name (a
// rename alone is no change). Texts compare exactly.
bool ProjectsDiffer(const TBrindlecast& current, const TBrindlecast& saved);

// ProjectsDiffer, and once a difference is found current is no longer Untouched.
bool IsProjectModified(TBrindlecast& current, const TBrindlecast& saved);
